#pragma once
// Text forms of the values stored in the settings file.
#include <cstdint>
#include <optional>
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

}  // namespace velmora
