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
      {" v1.2 notes", NameProblem::kNone, NameProblem::kNone},
      // The second byte of ソ is a backslash code, of ポ a bar code: neither is that character.
      {so + po, NameProblem::kNone, NameProblem::kNone},
      {"..\\escaped", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      {so + "\\" + po + "|", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
      // A lead byte without its second byte is no character: it would take the dot of ".lnk".
      {"memo\x83", NameProblem::kForbiddenCharacter, NameProblem::kForbiddenCharacter},
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
      {"CONIN$", NameProblem::kDeviceName, NameProblem::kNone},
      {"conout$.txt", NameProblem::kDeviceName, NameProblem::kDeviceName},
      {"CONOUT$x", NameProblem::kNone, NameProblem::kNone},
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
  // Each character a file name cannot hold, the zero and other control characters included.
  for (const char forbidden : std::string("/:*?\"<>|\t\x01\x1F\0", 12)) {
    SCOPED_TRACE(static_cast<int>(forbidden));
    EXPECT_EQ(FindNameProblem(std::string("a") + forbidden + "b", true),
              NameProblem::kForbiddenCharacter);
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
