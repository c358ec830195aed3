// Icon rules: an extension is the end of the file name from its last dot, lower-cased without
// touching double-byte characters; the preview follows it; an answer is an icon only when it can
// be one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "base/PathRules.h"
#include "folders/LetterCase.h"
#include "icons/IconRules.h"

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  const auto index = static_cast<int>(static_cast<std::uint32_t>(fields.Number()));
  const auto answer = static_cast<std::uintptr_t>(fields.Number());
  const std::string_view path = fields.Next();

  const std::string extension = LowerExtension(path);
  const std::string file = FileNameOf(path);
  const std::string lowerFile = SingleByteLower(file, LeadBytes::Active());
  if (extension.empty()) {
    VELMORA_FUZZ_CHECK(!HasSingle(file, '.'));
  } else {
    VELMORA_FUZZ_CHECK(IsSingle(extension, 0, '.') && !HasSingle(extension.substr(1), '.'));
    VELMORA_FUZZ_CHECK(IsWholeSuffix(extension, lowerFile));
    VELMORA_FUZZ_CHECK(extension.size() + ProposedName(path).size() == file.size());
  }
  VELMORA_FUZZ_CHECK((PreviewSourceFor(path) == PreviewSource::FirstStoredIcon) ==
                     (extension == ".exe"));
  VELMORA_FUZZ_CHECK(IsIconHandle(index, answer) == (index >= 0 && answer > 1));
  return 0;
}
