// The create command's mappings: every destination and window state index answered or refused
// as a whole, the folder the question names is the folder written to, and the parameters are
// stored as given or in quotes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "shortcut/CreateRules.h"
#include "shortcut/Destination.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Fields fields(data, size);
  const auto index = static_cast<int>(static_cast<std::uint32_t>(fields.Number()));
  const std::string_view target = fields.Next();
  const std::string_view picker = fields.Next();
  const std::string_view parameters = fields.Next();

  const std::optional<Destination> destination = ResolveDestination(index, target, picker);
  VELMORA_FUZZ_CHECK(destination.has_value() == (index >= 0 && index < kDestinationCount));
  VELMORA_FUZZ_CHECK(ShowCommandFor(index).has_value() == (index >= 0 && index < 3));
  // A special folder, or the very folder the question names.
  if (destination)
    VELMORA_FUZZ_CHECK(destination->specialFolder.has_value() == (index < 4));

  const std::string arguments = LinkArguments(target, parameters);
  VELMORA_FUZZ_CHECK(arguments == parameters ||
                     (!parameters.empty() && arguments == "\"" + std::string(parameters) + "\""));

  const std::string question = ConfirmationText(parameters, picker);
  VELMORA_FUZZ_CHECK(question.rfind("\"" + std::string(parameters) + "\"", 0) == 0);
  VELMORA_FUZZ_CHECK(question.find(picker, parameters.size() + 2) != std::string::npos);
  return 0;
}
