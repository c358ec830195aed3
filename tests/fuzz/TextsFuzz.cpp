// Texts of the error report: the full stop added only where the last character asks for it,
// system messages trimmed between characters and only once, placeholders filled in once, and
// every error code given a text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "base/Error.h"
#include "base/ErrorText.h"
#include "folders/IoErrorText.h"

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  const std::uint64_t code = fields.Number();
  const std::string_view message = fields.Next();

  const std::string report = ReportText(message);
  VELMORA_FUZZ_CHECK(report == message || report == std::string(message) + ".");
  if (!message.empty()) {
    const auto last =
        static_cast<unsigned char>(message[LeadBytes::Active().LastCharStart(message)]);
    VELMORA_FUZZ_CHECK((report.size() > message.size()) == (last > '.'));
  }

  const std::string trimmed = TrimSystemMessage(message);
  VELMORA_FUZZ_CHECK(IsWholePrefix(trimmed, message));
  VELMORA_FUZZ_CHECK(TrimSystemMessage(trimmed) == trimmed);
  if (!trimmed.empty()) {
    // It ends in a double-byte character, or in a single byte that is neither blank nor stop.
    const LeadBytes& lead = LeadBytes::Active();
    const std::size_t last = lead.LastCharStart(trimmed);
    const auto byte = static_cast<unsigned char>(trimmed[last]);
    VELMORA_FUZZ_CHECK(lead.CharLength(trimmed, last) == 2 || (byte > ' ' && byte != '.'));
  }

  const std::string ole = OleErrorText(static_cast<std::uint32_t>(code));
  std::string digits(8, '0');
  for (std::size_t i = 8, value = static_cast<std::uint32_t>(code); i-- > 0; value >>= 4)
    digits[i] = "0123456789abcdef"[value & 0xF];
  VELMORA_FUZZ_CHECK(ole.find(digits) != std::string::npos &&
                     ole.find("%.8x") == std::string::npos);

  const std::string io = IoErrorText(static_cast<unsigned long>(code));
  VELMORA_FUZZ_CHECK(!io.empty() && io.find("%d") == std::string::npos);

  const std::string pattern(fields.Next());
  const std::string value(fields.Next());
  const std::string placeholder(fields.Next());
  if (!placeholder.empty()) {
    const std::string filled = FormatText(pattern, value, placeholder.c_str());
    const std::size_t at = pattern.find(placeholder);
    VELMORA_FUZZ_CHECK(at == std::string::npos
                           ? filled == pattern
                           : filled == pattern.substr(0, at) + value +
                                           pattern.substr(at + placeholder.size()));
  }
  return 0;
}
