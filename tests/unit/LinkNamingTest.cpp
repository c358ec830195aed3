#include "shortcut/LinkNaming.h"

#include <string>

#include <gtest/gtest.h>

#include "TestTexts.h"
#include "UnitTexts.h"

namespace {

using velmora::LinkFileName;
using velmora::LinkWorkingDirectory;
namespace tt = velmora::test_text;
namespace ut = velmora::unit_text;

TEST(LinkNaming, WorkingDirectoryKeepsItsClosingSeparator) {
  EXPECT_EQ(LinkWorkingDirectory("C:\\Tools\\edit.exe"), "C:\\Tools\\");
  EXPECT_EQ(LinkWorkingDirectory("C:\\edit.exe"), "C:\\");
  EXPECT_EQ(LinkWorkingDirectory("C:\\Program Files\\x.exe"), "C:\\Program Files\\");
  EXPECT_EQ(LinkWorkingDirectory("C:edit.exe"), "C:");
  EXPECT_EQ(LinkWorkingDirectory("\\\\server\\share\\f"), "\\\\server\\share\\");
  EXPECT_EQ(LinkWorkingDirectory("edit.exe"), "");
  EXPECT_EQ(LinkWorkingDirectory(""), "");
}

TEST(LinkNaming, WorkingDirectoryOfDoubleByteFolders) {
  EXPECT_EQ(LinkWorkingDirectory(ut::kSoFolderFile), ut::kSoFolderWithSlash);
  EXPECT_EQ(LinkWorkingDirectory(ut::kDirSoName), "C:\\Dir\\");
  EXPECT_EQ(LinkWorkingDirectory("C:\\Dir\\\x83"), "C:\\Dir\\");
}

TEST(LinkNaming, FileNameWithAndWithoutSuffix) {
  const std::string desktop = "C:\\Users\\d\\Desktop";
  EXPECT_EQ(LinkFileName(desktop, tt::kNotepad, true), ut::kMemoWithSuffix);
  EXPECT_EQ(LinkFileName(desktop, tt::kNotepad, false), desktop + "\\" + tt::kNotepad + ".lnk");
}

TEST(LinkNaming, FileNameHasOneSeparatorAndKeepsTheName) {
  // A root keeps its one backslash; the second byte of ソ is no backslash.
  EXPECT_EQ(LinkFileName("C:\\", tt::kNotepad, false), std::string("C:\\") + tt::kNotepad + ".lnk");
  EXPECT_EQ(LinkFileName("\\\\srv\\share\\", "a", false), "\\\\srv\\share\\a.lnk");
  EXPECT_EQ(LinkFileName(ut::kSoFolder, "a", false), std::string(ut::kSoFolder) + "\\a.lnk");
  EXPECT_EQ(LinkFileName("D:\\x", " a b ", false), "D:\\x\\ a b .lnk");
  EXPECT_EQ(LinkFileName("D:\\x", "", false), "D:\\x\\.lnk");
  const std::string withSuffix = LinkFileName("D:\\x", "", true);
  const std::string memoWithSuffix = ut::kMemoWithSuffix;
  const std::string suffix = memoWithSuffix.substr(memoWithSuffix.find(tt::kNotepad) + 6);
  EXPECT_EQ(withSuffix, "D:\\x\\" + suffix);
}

}  // namespace
