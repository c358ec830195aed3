#pragma once
// Letter case under a double-byte code page: only the single-byte letters A to Z and a to z
// change; both bytes of a double-byte character stay as they are, even where the second byte has
// the code of a letter (ア is 0x83 0x41).
#include <string>
#include <string_view>

#include "base/LeadBytes.h"

namespace velmora {

std::string SingleByteLower(std::string_view text, const LeadBytes& lead);
std::string SingleByteUpper(std::string_view text, const LeadBytes& lead);

inline constexpr bool IsLowerLetter(char c) {
  return c >= 'a' && c <= 'z';
}

}  // namespace velmora
