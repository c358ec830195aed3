// The path rules under any lead-byte table: separators found only where a character of their
// own starts, and the folder, file and drive parts of a path cut it between characters.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "base/LeadBytes.h"
#include "base/PathRules.h"

namespace {

using namespace velmora;
using namespace velmora::fuzz;

constexpr std::size_t npos = std::string_view::npos;

void CheckLeadBytes(std::string_view text) {
  const LeadBytes& lead = LeadBytes::Active();
  const std::size_t last = lead.LastCharStart(text);
  VELMORA_FUZZ_CHECK(text.empty() ? last == npos
                                  : IsCharStart(text, last) &&
                                        last + lead.CharLength(text, last) == text.size());
}

void CheckSeparators(std::string_view path, std::size_t from) {
  const std::size_t backslash = FindBackslash(path, from);
  if (backslash != npos) {
    VELMORA_FUZZ_CHECK(backslash >= from && IsCharStart(path, backslash) &&
                       IsSingle(path, backslash, '\\'));
  } else {
    const LeadBytes& lead = LeadBytes::Active();
    for (std::size_t pos = 0; pos < path.size(); pos += lead.CharLength(path, pos))
      VELMORA_FUZZ_CHECK(pos < from || !IsSingle(path, pos, '\\'));
  }
  const std::size_t last = FindLastOf(path, "\\:");
  if (last != npos) {
    VELMORA_FUZZ_CHECK(IsCharStart(path, last) &&
                       (IsSingle(path, last, '\\') || IsSingle(path, last, ':')));
    VELMORA_FUZZ_CHECK(FindBackslash(path, last + 1) == npos);
  }
}

void CheckParts(std::string_view path) {
  const std::string folder = DirectoryOf(path);
  const std::string file = FileNameOf(path);
  const std::string name = ProposedName(path);
  const std::string drive = DrivePart(path);
  const std::size_t last = FindLastOf(path, "\\:");

  // The folder: none without a separator; else a prefix that keeps its closing backslash only
  // at a root (\, C:\, or \\ of a network path).
  VELMORA_FUZZ_CHECK(IsWholePrefix(folder, path));
  VELMORA_FUZZ_CHECK(folder.empty() == (last == npos));
  if (EndsWithSingle(folder, '\\') && folder.size() > 1) {
    const std::string_view before = std::string_view(folder).substr(0, folder.size() - 1);
    VELMORA_FUZZ_CHECK(EndsWithSingle(before, ':') || EndsWithSingle(before, '\\'));
  }
  // The file name: the end of the path after its last separator.
  VELMORA_FUZZ_CHECK(IsWholeSuffix(file, path));
  VELMORA_FUZZ_CHECK(file.size() == (last == npos ? path.size() : path.size() - last - 1));
  VELMORA_FUZZ_CHECK(folder.size() + file.size() <= path.size());
  // The proposed name: the file name, less an extension after its last dot.
  VELMORA_FUZZ_CHECK(IsWholePrefix(name, file));
  if (name.size() < file.size())
    VELMORA_FUZZ_CHECK(IsSingle(file, name.size(), '.') &&
                       !HasSingle(file.substr(name.size() + 1), '.'));
  // The drive: "X:" or the whole network root, never a cut character.
  VELMORA_FUZZ_CHECK(IsWholePrefix(drive, path));
  VELMORA_FUZZ_CHECK((DriveLetterOf(path) != '\0') == (drive.size() == 2 && drive[1] == ':'));
  if (!drive.empty() && drive[1] != ':')
    VELMORA_FUZZ_CHECK(drive.size() == path.size() || IsSingle(path, drive.size(), '\\'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  LeadBytes::SetActive(LeadBytesOf(fields.Next()));
  const std::size_t from = static_cast<std::size_t>(fields.Number() % 512);
  const std::string_view path = fields.Next();
  CheckLeadBytes(path);
  CheckSeparators(path, from);
  CheckParts(path);
  return 0;
}
