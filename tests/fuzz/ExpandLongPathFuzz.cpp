// Long-name rewriting with a stand-in disk: every lookup asks for a whole component of the
// absolute form that the system could look up, and the result is that form with the names the
// disk gave, up to the first component not found.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "app/TargetRules.h"
#include "base/PathRules.h"
#include "folders/LetterCase.h"

namespace {

using namespace velmora;
using namespace velmora::fuzz;

enum class Disk { kSameNames, kUpperCaseNames, kNamesWithBackslash, kEmptyNames };

bool IsDrivePath(std::string_view path) {
  return DrivePart(path).size() == 2 && IsSingle(path, 2, '\\');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  const auto disk = static_cast<Disk>(fields.Number() % 4);
  const std::uint64_t found = fields.Number() % 64;  // lookups that find something
  const std::string_view path = fields.Next();

  std::string full;
  std::uint64_t lookups = 0;
  const LongNameLookup lookup{
      [&](const std::string& given) {
        full = IsDrivePath(given) || given.substr(0, 2) == "\\\\" ? given : "C:\\Cur\\" + given;
        return full;
      },
      [&](const std::string& prefix) -> std::optional<std::string> {
        VELMORA_FUZZ_CHECK(IsDrivePath(full) && IsWholePrefix(prefix, full));
        VELMORA_FUZZ_CHECK(prefix.size() < 260 && prefix.size() > 3);
        VELMORA_FUZZ_CHECK(prefix.size() == full.size() || IsSingle(full, prefix.size(), '\\'));
        const std::string component = prefix.substr(FindLastOf(prefix, "\\") + 1);
        VELMORA_FUZZ_CHECK(!component.empty() &&
                           component.find_first_of("*?") == std::string::npos);
        if (lookups++ >= found)
          return std::nullopt;
        switch (disk) {
          case Disk::kSameNames:
            return component;
          case Disk::kUpperCaseNames:
            return SingleByteUpper(component, LeadBytes::Active());
          case Disk::kNamesWithBackslash:
            return "x\\" + component;
          case Disk::kEmptyNames:
            return std::string();
        }
        return std::nullopt;
      }};
  const std::string result = ExpandLongNames(std::string(path), lookup);

  if (!IsDrivePath(full)) {
    VELMORA_FUZZ_CHECK(result == full && lookups == 0);
    return 0;
  }
  // A closing backslash goes only when every component was found.
  const auto same = [&](const std::string& a, const std::string& b) {
    const LeadBytes& lead = LeadBytes::Active();
    return disk == Disk::kUpperCaseNames ? SingleByteUpper(a, lead) == SingleByteUpper(b, lead)
                                         : a == b;
  };
  VELMORA_FUZZ_CHECK(same(result, full) || (same(result + "\\", full) && lookups <= found));
  if (disk == Disk::kNamesWithBackslash || disk == Disk::kEmptyNames)
    VELMORA_FUZZ_CHECK(result == full || (full.size() == 3 && result == full.substr(0, 2)));
  return 0;
}
