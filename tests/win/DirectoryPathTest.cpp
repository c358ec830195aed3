// Entering folders for the directory list, on real folders in a scratch folder.
#include "folders/DirectoryPath.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "base/Error.h"

namespace velmora {
namespace {

using testing::Acp;
using testing::CurrentFolder;
using testing::MakeFile;
using testing::MakeFolder;
using testing::ScratchFolder;

class DirectoryPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolder(folder_ / "Docs");
    MakeFolder(folder_ / "Docs\\Inner");
    MakeFile(folder_ / "Docs\\notes.txt");
  }
  ScratchFolder folder_;
};

TEST_F(DirectoryPathTest, EntersTheFolderAndReportsTheNewCurrentDirectory) {
  EXPECT_EQ(EnterDirectory(folder_ / "Docs\\Inner"), folder_ / "Docs\\Inner");
  EXPECT_EQ(CurrentFolder(), folder_ / "Docs\\Inner");
  EXPECT_EQ(EnterDirectory(".."), folder_ / "Docs");
  EXPECT_EQ(EnterDirectory("Inner\\"), folder_ / "Docs\\Inner");
  EXPECT_EQ(EnterDirectory(folder_.Path().substr(0, 3)), folder_.Path().substr(0, 3));
  EXPECT_EQ(CurrentFolder(), folder_.Path().substr(0, 3));
}

TEST_F(DirectoryPathTest, AFileOrAWildcardLeadsToTheFolderHoldingIt) {
  EXPECT_EQ(EnterDirectory(folder_ / "Docs\\notes.txt"), folder_ / "Docs");
  EXPECT_EQ(EnterDirectory(folder_ / "Docs\\Inner\\*.txt"), folder_ / "Docs\\Inner");
  EXPECT_EQ(EnterDirectory(folder_ / "Docs\\file?.doc"), folder_ / "Docs");
  EXPECT_EQ(EnterDirectory("notes.txt"), folder_ / "Docs");
}

TEST_F(DirectoryPathTest, AFolderThatCantBeEnteredRaisesTheIoErrorAndChangesNothing) {
  const std::string notFound = Acp(L"ﾌｧｲﾙが見つかりません");
  const std::string invalidName = Acp(L"不正なﾌｧｲﾙ名です");
  // Entering Docs\Missing gets as far as Docs before it fails.
  ASSERT_TRUE(SetCurrentDirectoryA((folder_ / "Docs\\Inner").c_str()));
  const std::string paths[] = {folder_ / "Missing", folder_ / "Docs\\Missing",
                               folder_ / "Missing\\Deeper\\More"};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    try {
      EnterDirectory(path);
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      const std::string message = error.what();
      EXPECT_TRUE(message == notFound || message == invalidName) << message;
    }
    EXPECT_EQ(CurrentFolder(), folder_ / "Docs\\Inner");
  }
  // A file where a folder should be gives a code without a text of its own.
  EXPECT_THROW(EnterDirectory(folder_ / "Docs\\notes.txt\\Below"), Error);
  EXPECT_EQ(CurrentFolder(), folder_ / "Docs\\Inner");
}

// ソ (0x83 0x5C) and ア (0x83 0x41): second bytes with the codes of a backslash and of "A".
TEST_F(DirectoryPathTest, DoubleByteFolderNames) {
  const std::string folder = folder_ / Acp(L"ソフト");
  MakeFolder(folder);
  MakeFile(folder + "\\readme.txt");
  EXPECT_EQ(EnterDirectory(folder + "\\readme.txt"), folder);
  EXPECT_EQ(EnterDirectory(folder + "\\*.*"), folder);
  EXPECT_EQ(EnterDirectory(folder_ / "Docs"), folder_ / "Docs");
  EXPECT_EQ(EnterDirectory(folder), folder);

  EXPECT_TRUE(SameDirectory(folder, folder_ / Acp(L"ソフト")));
  EXPECT_FALSE(SameDirectory("C:\\" + Acp(L"ア"), "C:\\" + Acp(L"ヂ")));
  EXPECT_FALSE(SameDirectory(folder, folder_ / Acp(L"ソフ")));
}

TEST_F(DirectoryPathTest, SameDirectoryIgnoresCaseOnCaseInsensitiveVolumes) {
  const std::string path = folder_ / "Docs\\Inner";
  std::string otherCase = path;
  for (char& c : otherCase) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  EXPECT_TRUE(SameDirectory(path, path));
  EXPECT_TRUE(SameDirectory(path, otherCase));
  EXPECT_TRUE(SameDirectory("c:\\", "C:\\"));
  EXPECT_FALSE(SameDirectory(path, folder_ / "Docs"));
  EXPECT_FALSE(SameDirectory(path, path + "\\"));
  EXPECT_FALSE(SameDirectory(path, ""));
}

}  // namespace
}  // namespace velmora
