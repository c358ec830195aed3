#pragma once
// Conversions between the system code page and UTF-16, for the few calls that take only UTF-16.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// nullopt when the text does not convert; with `strict`, also when it holds bytes that are not
// valid in the code page (they would otherwise turn silently into other characters).
std::optional<std::wstring> ToWide(std::string_view text, bool strict = false);
std::optional<std::string> ToAnsi(std::wstring_view text);

}  // namespace velmora
