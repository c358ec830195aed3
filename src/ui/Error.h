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

// Replaces the single "%s" of `pattern` with `value`.
inline std::string FormatText(const std::string& pattern, const std::string& value) {
  std::string text = pattern;
  if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace velmora
