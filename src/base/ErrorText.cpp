#include "base/ErrorText.h"

#include "base/Error.h"
#include "base/LeadBytes.h"
#include "base/Texts.h"

namespace velmora {

std::string ReportText(std::string_view message) {
  std::string text(message);
  if (text.empty()) {
    return text;
  }
  const auto last = static_cast<unsigned char>(text[LeadBytes::Active().LastCharStart(text)]);
  if (last > '.') {
    text += '.';
  }
  return text;
}

std::string TrimSystemMessage(std::string_view message) {
  // The ideographic full stop in code page 932: the system's Japanese messages end in it, and
  // the report adds its own full stop.
  constexpr std::string_view kIdeographicFullStop = "\x81\x42";
  const LeadBytes& lead = LeadBytes::Active();
  std::size_t keep = 0;
  for (std::size_t pos = 0; pos < message.size();) {
    const std::size_t length = lead.CharLength(message, pos);
    const auto byte = static_cast<unsigned char>(message[pos]);
    if (length == 2 ? message.substr(pos, 2) != kIdeographicFullStop : byte > ' ' && byte != '.') {
      keep = pos + length;
    }
    pos += length;
  }
  return std::string(message.substr(0, keep));
}

std::string OleErrorText(std::uint32_t code) {
  // Eight lower-case hexadecimal digits, as "%.8x" prints them; formatted here so that the
  // program links no printf.
  std::string digits(8, '0');
  for (std::size_t i = digits.size(); i-- > 0; code >>= 4)
    digits[i] = "0123456789abcdef"[code & 0xF];
  return FormatText(text::kOleError, digits, "%.8x");
}

}  // namespace velmora
