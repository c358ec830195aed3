// Shortcut names and link naming: a name the check accepts becomes exactly the file part of the
// link's file name, in the folder given; a refused one gets a message; the working directory is
// the target up to a separator, never a cut character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "base/PathRules.h"
#include "shortcut/LinkNaming.h"
#include "shortcut/ShortcutName.h"
#include "shortcut/ShortcutTexts.h"

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  const bool addSuffix = fields.Flag();
  const std::string_view folder = WholeText(fields.Next());
  const std::string_view name = fields.Next();

  const NameProblem problem = FindNameProblem(name, addSuffix);
  VELMORA_FUZZ_CHECK(NameProblemText(problem, name).empty() == (problem == NameProblem::kNone));
  const std::string link = LinkFileName(folder, name, addSuffix);
  const std::string ending = addSuffix ? text::kShortcutSuffix : text::kLinkExtension;
  VELMORA_FUZZ_CHECK(link == std::string(folder) + "\\" + std::string(name) + ending);
  if (problem == NameProblem::kNone) {
    VELMORA_FUZZ_CHECK(FileNameOf(link) == std::string(name) + ending);
    VELMORA_FUZZ_CHECK(IsWholeSuffix(ending, link));
    VELMORA_FUZZ_CHECK(DirectoryOf(link) == folder ||
                       DirectoryOf(link) == std::string(folder) + "\\");
    VELMORA_FUZZ_CHECK(!HasSingle(name, '\\') && !HasSingle(name, ':') && !HasSingle(name, '/'));
  }

  const std::string_view target = fields.Next();
  const std::string working = LinkWorkingDirectory(target);
  VELMORA_FUZZ_CHECK(IsWholePrefix(working, target));
  VELMORA_FUZZ_CHECK(working.empty() || EndsWithSingle(working, '\\') ||
                     EndsWithSingle(working, ':'));
  VELMORA_FUZZ_CHECK(IsWholePrefix(DirectoryOf(target), working));
  VELMORA_FUZZ_CHECK(working.size() + FileNameOf(target).size() == target.size());
  return 0;
}
