#include "base/PathRules.h"

#include <string>

#include <gtest/gtest.h>

#include "UnitTexts.h"
#include "base/LeadBytes.h"

namespace {

using velmora::DirectoryOf;
using velmora::FindBackslash;
using velmora::FindLastOf;
using velmora::LeadBytes;
using velmora::ProposedName;
namespace ut = velmora::unit_text;

constexpr auto npos = std::string_view::npos;

TEST(PathRules, ShiftJisLiteralsHoldTheBackslashTrailByte) {
  EXPECT_EQ(std::string(ut::kSo), "\x83\x5C");
}

TEST(PathRules, FindBackslashSkipsTrailBytes) {
  const std::string path = ut::kSoFolderFile;  // C : \ 83 5C \ f ...
  EXPECT_EQ(FindBackslash(path, 0), 2u);
  EXPECT_EQ(FindBackslash(path, 3), 5u);
  // Starting inside ソ does not make its second byte a backslash.
  EXPECT_EQ(FindBackslash(path, 4), 5u);
  EXPECT_EQ(FindBackslash(path, 6), npos);
  EXPECT_EQ(FindBackslash(path, 1000), npos);
  EXPECT_EQ(FindBackslash("", 0), npos);
  EXPECT_EQ(FindBackslash(ut::kSo, 0), npos);
}

TEST(PathRules, FindLastOfSkipsTrailBytes) {
  EXPECT_EQ(FindLastOf(ut::kSoFolderFile, "\\:"), 5u);
  EXPECT_EQ(FindLastOf(ut::kSoFolderFile, ".\\:"), 10u);
  EXPECT_EQ(FindLastOf(ut::kDirSoName, "\\:"), 6u);
  EXPECT_EQ(FindLastOf("C:\\Dir\\\x83", "\\:"), 6u);
  EXPECT_EQ(FindLastOf("name", "\\:"), npos);
  EXPECT_EQ(FindLastOf("", "\\:"), npos);
}

TEST(PathRules, DirectoryOfDropsTheClosingBackslashExceptAtARoot) {
  EXPECT_EQ(DirectoryOf("C:\\Dir\\File.txt"), "C:\\Dir");
  EXPECT_EQ(DirectoryOf("C:\\Dir\\Sub\\File.txt"), "C:\\Dir\\Sub");
  EXPECT_EQ(DirectoryOf("C:\\Dir\\"), "C:\\Dir");
  EXPECT_EQ(DirectoryOf("C:\\File.txt"), "C:\\");
  EXPECT_EQ(DirectoryOf("C:\\"), "C:\\");
  EXPECT_EQ(DirectoryOf("C:File.txt"), "C:");
  EXPECT_EQ(DirectoryOf("\\\\server\\share\\f"), "\\\\server\\share");
  EXPECT_EQ(DirectoryOf("\\\\server"), "\\\\");
  EXPECT_EQ(DirectoryOf("\\File.txt"), "\\");
  EXPECT_EQ(DirectoryOf("File.txt"), "");
  EXPECT_EQ(DirectoryOf(""), "");
}

TEST(PathRules, DirectoryOfKeepsDoubleByteFolderNamesWhole) {
  EXPECT_EQ(DirectoryOf(ut::kSoFolderFile), ut::kSoFolder);
  // The folder name ends in 0x5C, which must not make C:\ソ look like a root.
  EXPECT_EQ(DirectoryOf(ut::kSoFolderWithSlash), ut::kSoFolder);
  EXPECT_EQ(DirectoryOf(ut::kSoFolder), "C:\\");
  EXPECT_EQ(DirectoryOf(ut::kDirSoName), "C:\\Dir");
  EXPECT_EQ(DirectoryOf(ut::kSo), "");
}

TEST(PathRules, DirectoryOfWithALoneLeadByteAtTheEnd) {
  EXPECT_EQ(DirectoryOf("C:\\Dir\\\x83"), "C:\\Dir");
  EXPECT_EQ(DirectoryOf("C:\\\x83"), "C:\\");
  EXPECT_EQ(DirectoryOf("\x83"), "");
  // Here 0x83 0x5C is ソ, so the path has no separator after the drive.
  EXPECT_EQ(DirectoryOf("C:\\a\x83\\"), "C:\\");
}

TEST(PathRules, DirectoryOfLongPaths) {
  std::string path = "C:\\";
  for (int i = 0; i < 300; ++i) {
    path += ut::kSo;
  }
  EXPECT_EQ(DirectoryOf(path), "C:\\");
  EXPECT_EQ(DirectoryOf(path + "\\x"), path);
}

TEST(PathRules, ProposedNameIsTheFileNameWithoutExtension) {
  EXPECT_EQ(ProposedName("C:\\Tools\\app.exe"), "app");
  EXPECT_EQ(ProposedName("C:\\Tools\\archive.tar.gz"), "archive.tar");
  EXPECT_EQ(ProposedName("C:\\Tools.old\\readme"), "readme");
  EXPECT_EQ(ProposedName("C:\\Tools\\.profile"), "");
  EXPECT_EQ(ProposedName("C:\\My Docs"), "My Docs");
  EXPECT_EQ(ProposedName("C:name.txt"), "name");
  EXPECT_EQ(ProposedName("name.txt"), "name");
  EXPECT_EQ(ProposedName("C:\\"), "");
  EXPECT_EQ(ProposedName(""), "");
}

TEST(PathRules, ProposedNameOfDoubleByteNames) {
  EXPECT_EQ(velmora::FileNameOf(ut::kSoFolderFile), "file.txt");
  EXPECT_EQ(velmora::FileNameOf(ut::kDirSoName), ut::kSo);
  EXPECT_EQ(ProposedName(ut::kSoFolderFile), "file");
  EXPECT_EQ(ProposedName(ut::kDirSoName), ut::kSo);
  EXPECT_EQ(ProposedName(std::string(ut::kDirSoName) + ".txt"), ut::kSo);
  EXPECT_EQ(ProposedName("C:\\Dir\\a\x83"), "a\x83");
}

// The system's own lead-byte table replaces Shift-JIS on other code pages.
class PathRulesSingleByte : public ::testing::Test {
 protected:
  void SetUp() override { LeadBytes::SetActive(LeadBytes()); }
  void TearDown() override { LeadBytes::SetActive(LeadBytes::ShiftJis()); }
};

TEST_F(PathRulesSingleByte, EveryBackslashByteIsASeparator) {
  EXPECT_EQ(DirectoryOf(ut::kDirSoName), "C:\\Dir\\\x83");
  EXPECT_EQ(DirectoryOf(ut::kSoFolder), "C:\\\x83");
  EXPECT_EQ(FindBackslash(ut::kSoFolderFile, 3), 4u);
  EXPECT_EQ(ProposedName(ut::kDirSoName), "");
}

}  // namespace
