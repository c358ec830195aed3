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

std::optional<std::string> ToAnsi(std::wstring_view text) {
  if (text.empty())
    return std::string();
  if (text.size() > INT_MAX)
    return std::nullopt;
  const int length = static_cast<int>(text.size());
  const int byteLength =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (byteLength <= 0)
    return std::nullopt;
  std::string bytes(static_cast<size_t>(byteLength), '\0');
  if (WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(), byteLength, nullptr,
                          nullptr) != byteLength) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace velmora
