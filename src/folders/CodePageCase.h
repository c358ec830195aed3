#pragma once
// Letter case by the system code page's rules: on double-byte systems only the single-byte
// letters change, elsewhere the locale's case rules apply.
#include <string>
#include <string_view>

namespace velmora {

std::string CodePageLower(std::string_view text);
std::string CodePageUpper(std::string_view text);

// Lower case by the locale's rules (CharLowerBuffA), double-byte letters included.
std::string LocaleLower(std::string_view text);

}  // namespace velmora
