#include "folders/CodePageCase.h"

#include <windows.h>

#include "folders/LetterCase.h"

namespace velmora {

namespace {

std::string LocaleCase(std::string_view text, bool upper) {
  std::string result(text);
  if (!result.empty() && result.size() <= MAXDWORD) {
    const auto length = static_cast<DWORD>(result.size());
    upper ? CharUpperBuffA(result.data(), length) : CharLowerBuffA(result.data(), length);
  }
  return result;
}

}  // namespace

std::string LocaleLower(std::string_view text) {
  return LocaleCase(text, false);
}

std::string CodePageLower(std::string_view text) {
  if (GetSystemMetrics(SM_DBCSENABLED))
    return SingleByteLower(text, LeadBytes::Active());
  return LocaleCase(text, false);
}

std::string CodePageUpper(std::string_view text) {
  if (GetSystemMetrics(SM_DBCSENABLED))
    return SingleByteUpper(text, LeadBytes::Active());
  return LocaleCase(text, true);
}

}  // namespace velmora
