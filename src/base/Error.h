#pragma once
// The program's error: raised by handlers, reported once by the standard error report.
// Its message is text in the system code page.
#include <stdexcept>
#include <string>

namespace velmora {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces the one placeholder of `pattern` ("%s", or "%d" and "%.8x" in the texts that show a
// number already formatted as the placeholder asks) with `value`.
inline std::string FormatText(const std::string& pattern, const std::string& value,
                              const char* placeholder = "%s") {
  std::string text = pattern;
  const std::string mark = placeholder;
  if (auto at = text.find(mark); at != std::string::npos)
    text.replace(at, mark.size(), value);
  return text;
}

}  // namespace velmora
