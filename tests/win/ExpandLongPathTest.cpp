// Long-name rewriting of target paths, on real files in a scratch folder.
#include "app/ExpandLongPath.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestFiles.h"

namespace velmora {
namespace {

using testing::Acp;
using testing::MakeFile;
using testing::MakeFolder;
using testing::ScratchFolder;

std::string ShortPath(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return text;
}

class ExpandLongPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolder(folder_ / "Long Folder Name");
    MakeFile(folder_ / "Long Folder Name\\Some Tool File.exe");
  }
  ScratchFolder folder_;
};

TEST_F(ExpandLongPathTest, ShortNamesComeBackLongInStoredCase) {
  const std::string longPath = folder_ / "Long Folder Name\\Some Tool File.exe";
  const std::string shortPath = ShortPath(longPath);
  ASSERT_FALSE(shortPath.empty());
  ASSERT_NE(shortPath, longPath);
  EXPECT_EQ(ExpandLongPath(shortPath), longPath);
  EXPECT_EQ(ExpandLongPath(Upper(longPath)), longPath);
  // ".." and "." are resolved before anything is looked up.
  EXPECT_EQ(
      ExpandLongPath(folder_ / "LONG FOLDER NAME\\..\\.\\Long Folder Name\\SOME TOOL FILE.EXE"),
      longPath);
}

TEST_F(ExpandLongPathTest, DriveLetterKeepsItsCaseAndRootsLoseTheirBackslash) {
  const std::string longPath = folder_ / "Long Folder Name";
  std::string lowerDrive = Upper(longPath);
  lowerDrive[0] = static_cast<char>(lowerDrive[0] - 'A' + 'a');
  std::string expected = longPath;
  expected[0] = lowerDrive[0];
  EXPECT_EQ(ExpandLongPath(lowerDrive), expected);

  EXPECT_EQ(ExpandLongPath("C:\\"), "C:");
  EXPECT_EQ(ExpandLongPath("c:\\"), "c:");
  EXPECT_EQ(ExpandLongPath(Upper(longPath) + "\\"), longPath);
}

TEST_F(ExpandLongPathTest, FromTheFirstMissingComponentTheRestIsKept) {
  const std::string given = Upper(folder_ / "Long Folder Name") + "\\Missing Dir\\MORE\\x.TXT";
  EXPECT_EQ(ExpandLongPath(given), folder_ / "Long Folder Name\\Missing Dir\\MORE\\x.TXT");

  // A wildcard is not a name: it would match some other entry.
  EXPECT_EQ(ExpandLongPath(Upper(folder_.Path()) + "\\LONG*\\x"), folder_.Path() + "\\LONG*\\x");
}

TEST_F(ExpandLongPathTest, PathsWithoutADriveLetterAreOnlyMadeAbsolute) {
  EXPECT_EQ(ExpandLongPath("\\\\server\\share\\file.txt"), "\\\\server\\share\\file.txt");
  EXPECT_EQ(ExpandLongPath("\\\\server\\share\\dir\\..\\File.TXT"), "\\\\server\\share\\File.TXT");
  EXPECT_EQ(ExpandLongPath(""), "");
}

TEST_F(ExpandLongPathTest, RelativePathsAreResolvedAgainstTheCurrentFolder) {
  ASSERT_TRUE(SetCurrentDirectoryA((folder_ / "Long Folder Name").c_str()));
  EXPECT_EQ(ExpandLongPath("some tool file.exe"), folder_ / "Long Folder Name\\Some Tool File.exe");
  EXPECT_EQ(ExpandLongPath("..\\long folder name"), folder_ / "Long Folder Name");
  EXPECT_EQ(ExpandLongPath("."), folder_ / "Long Folder Name");
}

// ソ is 0x83 0x5C: its second byte has the backslash's code and must not split the component.
TEST_F(ExpandLongPathTest, DoubleByteNamesWithABackslashTrailByte) {
  const std::string folder = folder_ / Acp(L"ソフトTools");
  const std::string file = folder + Acp(L"\\ソ Long Name Document.txt");
  MakeFolder(folder);
  MakeFile(file);
  ASSERT_NE(folder.find("\x83\x5C"), std::string::npos);

  EXPECT_EQ(ExpandLongPath(folder_ / Acp(L"ソフトTOOLS\\ソ LONG NAME DOCUMENT.TXT")), file);
  const std::string shortPath = ShortPath(file);
  ASSERT_FALSE(shortPath.empty());
  EXPECT_EQ(ExpandLongPath(shortPath), file);
  EXPECT_EQ(ExpandLongPath(folder_ / Acp(L"ソフトTOOLS\\ソ\\x")), folder + Acp(L"\\ソ\\x"));
}

// The current folder is near the limit, so the absolute form of a short relative path runs past
// 260 characters: it is fetched whole, its early components are looked up, and the prefixes
// that are too long to look up stay as they came.
TEST_F(ExpandLongPathTest, AbsoluteFormsLongerThanMaxPath) {
  std::string deep = folder_.Path();
  while (deep.size() < 220) {
    deep += "\\Nested Folder Level";
    MakeFolder(deep);
  }
  MakeFolder(deep + "\\sub");
  ASSERT_TRUE(SetCurrentDirectoryA(Upper(deep).c_str())) << deep;

  const std::string tail = std::string(40, 'X') + "\\" + std::string(30, 'y') + "\\Name.TXT";
  const std::string result = ExpandLongPath("SUB\\" + tail);
  EXPECT_GT(result.size(), static_cast<std::size_t>(MAX_PATH));
  EXPECT_EQ(result, deep + "\\sub\\" + tail);

  const std::string inputTooLong = "SUB\\" + std::string(300, 'z');
  EXPECT_EQ(ExpandLongPath(inputTooLong), deep + "\\sub\\" + std::string(300, 'z'));
}

}  // namespace
}  // namespace velmora
