#pragma once
// Text forms of the values stored in the settings file, and of the file's text.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// Reads an integer value: "0x"/"0X" before more text stands for "$"; leading blanks are
// skipped; then an optional sign and decimal digits within the signed 32-bit range, or "$" and
// hexadecimal digits that fit in 32 bits (taken as a 32-bit pattern, $FFFFFFFF is -1). Nothing
// may follow. nullopt when the text breaks these rules (the caller uses the key's default).
std::optional<std::int32_t> ParseSettingInteger(std::string_view text);

// The value of `key` in a section's text as the profile functions hand it over whole: one
// "key=value" line after another, each ending in a zero. Keys compare without regard to ASCII
// case, the first one found counts; blanks around key and value are dropped and a value in
// matching quotes loses them, as when the key is read alone. nullopt when the key is missing.
std::optional<std::string_view> FindSectionValue(std::string_view section, std::string_view key);

// Signed decimal text, as written to the file.
std::string FormatSettingInteger(std::int32_t value);
// "1" for true, "0" for false.
std::string FormatSettingBool(bool value);

// A key and the text to store for it.
struct SettingText {
  std::string_view key;
  std::string value;
};

// The settings file's text with these keys of `section` set, everything else kept byte for byte.
// The key is found as the profile functions find it: in the first section whose name (between
// "[" and the line's last "]") matches without regard to ASCII case, the first line whose name
// (before "=", or the whole line), trimmed, does. Its value is replaced; a missing key is added
// after the section's last line, a missing section at the end of the file, each line ending in
// CR LF. A value ends at its first line break, as it would read back. nullopt for a file in
// UTF-16 (it starts with its byte order mark), whose text this cannot edit.
std::optional<std::string> WithSettingTexts(std::string_view file, std::string_view section,
                                            std::span<const SettingText> values);

}  // namespace velmora
