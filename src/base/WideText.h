#pragma once
// Conversions between the system code page and UTF-16, for the few calls that take only UTF-16.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// nullopt when the text does not convert; with `strict`, also when it holds bytes that are not
// valid in the code page (they would otherwise turn silently into other characters).
std::optional<std::wstring> ToWide(std::string_view text, bool strict = false);
// nullopt when the text does not convert; with `strict`, also when a character has no form of
// its own in the code page (it would otherwise become a look-alike, such as e for é).
std::optional<std::string> ToAnsi(std::wstring_view text, bool strict = false);
// The text for a message: every character the code page lacks shows as the default character.
std::string ToAnsiMarked(std::wstring_view text);

}  // namespace velmora
