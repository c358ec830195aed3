#pragma once
// The program's error: raised by handlers, reported once by the standard error report.
// Its message is text in the system code page.
#include <cstdio>
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
  if (auto at = text.find("%s"); at != std::string::npos)
    text.replace(at, 2, value);
  return text;
}

// Formats one number into a pattern with a single printf conversion for it ("%d", "%.8x").
template <typename Number>
std::string FormatNumber(const char* pattern, Number value) {
  const int length = std::snprintf(nullptr, 0, pattern, value);
  if (length <= 0)
    return {};
  std::string text(static_cast<size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, pattern, value);
  return text;
}

}  // namespace velmora
