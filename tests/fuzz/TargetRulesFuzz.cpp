// Command-line paths taken against the start folder: the path kept or joined to the folder (or
// to its drive) with at most one separator between, and a second resolving changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "app/TargetRules.h"
#include "base/PathRules.h"

namespace {

using namespace velmora;
using namespace velmora::fuzz;

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// A folder such as the system reports: from a drive's root or a network root.
bool IsAbsolute(std::string_view folder) {
  const bool drive = folder.size() >= 3 && folder[1] == ':' && IsSeparator(folder[2]) &&
                     ((folder[0] | 0x20) >= 'a' && (folder[0] | 0x20) <= 'z');
  return drive || (folder.size() >= 2 && IsSeparator(folder[0]) && IsSeparator(folder[1]));
}

// `result` is `head` followed by `tail`, with one separator between them or none.
bool IsJoined(std::string_view result, std::string_view head, std::string_view tail) {
  if (!IsWholePrefix(head, result) || result.size() < head.size() + tail.size())
    return false;
  const std::size_t gap = result.size() - head.size() - tail.size();
  return result.substr(result.size() - tail.size()) == tail &&
         (gap == 0 || (gap == 1 && result[head.size()] == '\\'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  const std::string_view folder = WholeText(fields.Next());
  const std::string_view path = fields.Next();

  const std::string resolved = ResolveAgainst(folder, path);
  VELMORA_FUZZ_CHECK(resolved == path || IsJoined(resolved, folder, path) ||
                     (path.size() >= 2 && IsJoined(resolved, folder, path.substr(2))) ||
                     resolved == DrivePart(folder) + std::string(path));
  if (IsAbsolute(folder))
    VELMORA_FUZZ_CHECK(ResolveAgainst(folder, resolved) == resolved);

  const std::string rooted = WithRootBackslash(path);
  VELMORA_FUZZ_CHECK(rooted == path || (path.size() == 2 && rooted == std::string(path) + '\\'));
  VELMORA_FUZZ_CHECK(WithRootBackslash(rooted) == rooted);
  return 0;
}
