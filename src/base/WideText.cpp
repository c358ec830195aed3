#include "base/WideText.h"

#include <windows.h>
#include <climits>

namespace velmora {

std::optional<std::wstring> ToWide(std::string_view text, bool strict) {
  if (text.empty())
    return std::wstring();
  if (text.size() > INT_MAX)
    return std::nullopt;
  const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
  const int length = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, flags, text.data(), length, nullptr, 0);
  if (wideLength <= 0)
    return std::nullopt;
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  if (MultiByteToWideChar(CP_ACP, flags, text.data(), length, wide.data(), wideLength) !=
      wideLength) {
    return std::nullopt;
  }
  return wide;
}

namespace {

// WideCharToMultiByte to the system code page; `usedDefault` set when a character had no form.
std::optional<std::string> Narrow(std::wstring_view text, DWORD flags, BOOL* usedDefault) {
  if (text.empty())
    return std::string();
  if (text.size() > INT_MAX)
    return std::nullopt;
  const int length = static_cast<int>(text.size());
  const int byteLength =
      WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (byteLength <= 0)
    return std::nullopt;
  std::string bytes(static_cast<size_t>(byteLength), '\0');
  if (WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(), byteLength, nullptr,
                          usedDefault) != byteLength) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::optional<std::string> ToAnsi(std::wstring_view text, bool strict) {
  if (!strict)
    return Narrow(text, 0, nullptr);
  BOOL usedDefault = FALSE;
  std::optional<std::string> bytes = Narrow(text, WC_NO_BEST_FIT_CHARS, &usedDefault);
  if (usedDefault)
    return std::nullopt;
  return bytes;
}

std::string ToAnsiMarked(std::wstring_view text) {
  return Narrow(text, WC_NO_BEST_FIT_CHARS, nullptr).value_or(std::string());
}

}  // namespace velmora
