// Letter case under a double-byte code page: the text keeps its length and its characters'
// places, only single-byte letters change, and either case is reached from the other.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "folders/LetterCase.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Fields fields(data, size);
  const LeadBytes lead = fuzz::LeadBytesOf(fields.Next());
  const std::string_view text = fields.Next();

  const std::string lower = SingleByteLower(text, lead);
  const std::string upper = SingleByteUpper(text, lead);
  VELMORA_FUZZ_CHECK(lower.size() == text.size() && upper.size() == text.size());
  for (std::size_t pos = 0; pos < text.size(); pos += lead.CharLength(text, pos)) {
    // Every character starts where it started, so both bytes of a double-byte one stay.
    VELMORA_FUZZ_CHECK(lead.CharLength(lower, pos) == lead.CharLength(text, pos));
    const bool single = lead.CharLength(text, pos) == 1;
    for (std::size_t at = pos; at < pos + lead.CharLength(text, pos); ++at) {
      const char c = text[at];
      const bool letter = single && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
      VELMORA_FUZZ_CHECK(letter || (lower[at] == c && upper[at] == c));
      if (letter) {
        VELMORA_FUZZ_CHECK(IsLowerLetter(lower[at]) && !IsLowerLetter(upper[at]));
        VELMORA_FUZZ_CHECK((lower[at] | 0x20) == (c | 0x20) && (upper[at] | 0x20) == (c | 0x20));
      }
    }
  }
  VELMORA_FUZZ_CHECK(SingleByteLower(upper, lead) == lower);
  VELMORA_FUZZ_CHECK(SingleByteUpper(lower, lead) == upper);
  return 0;
}
