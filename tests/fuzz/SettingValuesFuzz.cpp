// Setting values: a text that parses gives a value whose written form parses to it again, blanks
// before a value change nothing, and every 32-bit value survives being written and read, in
// decimal and as a "$" pattern. A section read whole (lines ended by zero bytes) gives a value
// from inside its text, and a key added at its end is found when no line before names it. A key
// set in a whole file is there, and setting it again changes only its value.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "app/SettingValues.h"

namespace {

using namespace velmora;

std::string HexPattern(std::uint32_t value) {
  std::string digits(8, '0');
  for (std::size_t i = digits.size(); i-- > 0; value >>= 4)
    digits[i] = "0123456789ABCDEF"[value & 0xF];
  return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Fields fields(data, size);
  const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(fields.Number()));
  const std::string_view text = fields.Next();

  const std::optional<std::int32_t> parsed = ParseSettingInteger(text);
  if (parsed)
    VELMORA_FUZZ_CHECK(ParseSettingInteger(FormatSettingInteger(*parsed)) == parsed);
  // "0x" is read before the blanks are skipped: " 0x1" is no value.
  if (text.substr(0, 2) != "0x" && text.substr(0, 2) != "0X")
    VELMORA_FUZZ_CHECK(ParseSettingInteger(" \t" + std::string(text)) == parsed);

  const std::string written = FormatSettingInteger(value);
  VELMORA_FUZZ_CHECK(ParseSettingInteger(written) == value);
  const std::string pattern = HexPattern(static_cast<std::uint32_t>(value));
  VELMORA_FUZZ_CHECK(ParseSettingInteger("$" + pattern) == value);
  VELMORA_FUZZ_CHECK(ParseSettingInteger("0x" + pattern) == value);
  // Nothing may follow a value.
  VELMORA_FUZZ_CHECK(!ParseSettingInteger(written + "x"));

  const std::string_view section = fields.Rest();
  if (const std::optional<std::string_view> found = FindSectionValue(section, "Start")) {
    VELMORA_FUZZ_CHECK(found->empty() ||
                       (found->data() >= section.data() &&
                        found->data() + found->size() <= section.data() + section.size()));
    VELMORA_FUZZ_CHECK(found->find('\0') == std::string_view::npos);
  } else {
    const std::string added = std::string(section) + std::string(1, '\0') + "start = 7";
    VELMORA_FUZZ_CHECK(FindSectionValue(added, "Start") == std::optional<std::string_view>("7"));
  }

  // The same bytes as a whole settings file: a key set is there, and setting it again, to the
  // same value or to another, touches nothing but the value.
  const SettingText first[] = {{"Start", written}};
  const SettingText second[] = {{"Start", pattern}};
  if (const std::optional<std::string> once = WithSettingTexts(section, "Window", first)) {
    VELMORA_FUZZ_CHECK(once->find(written) != std::string::npos);
    VELMORA_FUZZ_CHECK(WithSettingTexts(*once, "Window", first) == once);
    VELMORA_FUZZ_CHECK(WithSettingTexts(*once, "Window", second) ==
                       WithSettingTexts(section, "Window", second));
  }
  return 0;
}
