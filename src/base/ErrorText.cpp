#include "base/ErrorText.h"

#include <cstdio>

#include "base/LeadBytes.h"
#include "base/Texts.h"
#include "base/Error.h"

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
  const LeadBytes& lead = LeadBytes::Active();
  std::size_t keep = 0;
  for (std::size_t pos = 0; pos < message.size();) {
    const std::size_t length = lead.CharLength(message, pos);
    const auto byte = static_cast<unsigned char>(message[pos]);
    if (length == 2 || (byte > ' ' && byte != '.')) {
      keep = pos + length;
    }
    pos += length;
  }
  return std::string(message.substr(0, keep));
}

std::string OleErrorText(std::uint32_t code) {
  const auto value = static_cast<unsigned int>(code);
  return FormatNumber(text::kOleError, value);
}

}  // namespace velmora
