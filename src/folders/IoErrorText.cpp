#include "folders/IoErrorText.h"

#include <cstdint>
#include <string>

#include "base/Error.h"
#include "folders/FolderTexts.h"

namespace velmora {

std::string IoErrorText(unsigned long code) {
  switch (code) {
    case 2:
      return text::kIoError2;
    case 3:
      return text::kIoError3;
    case 4:
      return text::kIoError4;
    case 5:
      return text::kIoError5;
    case 100:
      return text::kIoError100;
    case 101:
      return text::kIoError101;
    case 106:
      return text::kIoError106;
    default:
      break;
  }
  // System error codes are 32 bits wide; the text shows them as the signed number %d prints.
  const auto value = static_cast<int>(static_cast<std::uint32_t>(code));
  return FormatText(text::kIoErrorOther, std::to_string(value), "%d");
}

}  // namespace velmora
