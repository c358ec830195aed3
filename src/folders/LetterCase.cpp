#include "folders/LetterCase.h"

namespace velmora {

namespace {

std::string ShiftLetters(std::string_view text, const LeadBytes& lead, char first, char last,
                         int shift) {
  std::string result(text);
  for (std::size_t pos = 0; pos < result.size(); pos += lead.CharLength(result, pos)) {
    const char c = result[pos];
    if (lead.CharLength(result, pos) == 1 && c >= first && c <= last)
      result[pos] = static_cast<char>(c + shift);
  }
  return result;
}

}  // namespace

std::string SingleByteLower(std::string_view text, const LeadBytes& lead) {
  return ShiftLetters(text, lead, 'A', 'Z', 'a' - 'A');
}

std::string SingleByteUpper(std::string_view text, const LeadBytes& lead) {
  return ShiftLetters(text, lead, 'a', 'z', 'A' - 'a');
}

}  // namespace velmora
