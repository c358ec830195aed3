#include "shortcut/ShortcutName.h"

#include <string>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::FindNameProblem;
using velmora::NameProblem;
namespace ut = velmora::unit_text;

struct NameCase {
  std::string name;
  NameProblem withoutSuffix;
  NameProblem withSuffix;
};

TEST(ShortcutName, EachNameIsJudgedAsTheFileItBecomes) {
  const std::string so = ut::kSo;
  const std::string po = ut::kPo;
  const NameCase cases[] = {
      {"memo", NameProblem::kNone, NameProblem::kNone},
      {" a b", NameProblem::kNone, NameProblem::kNone},
      {"v1.2 notes", NameProblem::kNone, NameProblem::kNone},
      // The second byte of ソ is a backslash code, of ポ a bar code: neither is that character.
      {so + po, NameProblem::kNone, NameProblem::kNone},
      {"..\\escaped", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"sub/x", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"x:y", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"a*", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"a?b", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"\"q\"", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"<a>", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"a|b", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {"tab\there", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {std::string("a\0b", 3), NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {so + "\\" + po + "|", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      // With the ending the file is "へのショートカット.lnk", a name of its own.
      {"", NameProblem::kEmpty, NameProblem::kNone},
      {".", NameProblem::kEndsInDotOrBlank, NameProblem::kNone},
      {"...", NameProblem::kEndsInDotOrBlank, NameProblem::kNone},
      {"memo.", NameProblem::kEndsInDotOrBlank, NameProblem::kNone},
      {"memo ", NameProblem::kEndsInDotOrBlank, NameProblem::kNone},
      // Device names in any case, with an extension, with blanks before the dot.
      {"NUL", NameProblem::kDeviceName, NameProblem::kNone},
      {"con", NameProblem::kDeviceName, NameProblem::kNone},
      {"Aux.txt", NameProblem::kDeviceName, NameProblem::kDeviceName},
      {"prn .txt", NameProblem::kDeviceName, NameProblem::kDeviceName},
      {"COM1", NameProblem::kDeviceName, NameProblem::kNone},
      {"lpt9.a.b", NameProblem::kDeviceName, NameProblem::kDeviceName},
      {"COM10", NameProblem::kNone, NameProblem::kNone},
      {"LPT", NameProblem::kNone, NameProblem::kNone},
      {"NULL", NameProblem::kNone, NameProblem::kNone},
      {"xNUL", NameProblem::kNone, NameProblem::kNone},
      {" NUL", NameProblem::kNone, NameProblem::kNone},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE("\"" + c.name + "\"");
    EXPECT_EQ(FindNameProblem(c.name, false), c.withoutSuffix);
    EXPECT_EQ(FindNameProblem(c.name, true), c.withSuffix);
  }
}

TEST(ShortcutName, EveryProblemHasAMessageAndTheDeviceMessageNamesTheName) {
  EXPECT_EQ(velmora::NameProblemText(NameProblem::kNone, "memo"), "");
  for (NameProblem problem :
       {NameProblem::kForbiddenCharacter, NameProblem::kEmpty, NameProblem::kEndsInDotOrBlank}) {
    EXPECT_FALSE(velmora::NameProblemText(problem, "x").empty());
  }
  EXPECT_EQ(velmora::NameProblemText(NameProblem::kDeviceName, "nul.txt").rfind("nul.txt ", 0), 0u);
}

}  // namespace
