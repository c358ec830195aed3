#include "icons/IconRules.h"

#include <gtest/gtest.h>

namespace {

using velmora::IsIconHandle;
using velmora::LowerExtension;
using velmora::PreviewSource;
using velmora::PreviewSourceFor;

TEST(IconRules, ExtensionIsTheLastDotOfTheFileNameLowerCased) {
  EXPECT_EQ(LowerExtension("C:\\Tools\\APP.EXE"), ".exe");
  EXPECT_EQ(LowerExtension("C:\\Tools\\archive.Tar.GZ"), ".gz");
  EXPECT_EQ(LowerExtension("C:\\Tools.old\\readme"), "");
  EXPECT_EQ(LowerExtension("A:name"), "");
  EXPECT_EQ(LowerExtension("C:\\Tools\\.Profile"), ".profile");
  // ア is 83 41: its second byte has the code of "A" and stays as it is.
  EXPECT_EQ(LowerExtension("C:\\x.\x83"
                           "A"
                           "B"),
            ".\x83"
            "A"
            "b");
}

TEST(IconRules, OnlyProgramsArePreviewedByTheirFirstStoredIcon) {
  EXPECT_EQ(PreviewSourceFor("C:\\Tools\\Tool.Exe"), PreviewSource::FirstStoredIcon);
  EXPECT_EQ(PreviewSourceFor("C:\\Tools\\Tool.dll"), PreviewSource::ShellIcon);
  EXPECT_EQ(PreviewSourceFor("C:\\Tools\\Tool.exe.txt"), PreviewSource::ShellIcon);
  EXPECT_EQ(PreviewSourceFor("C:\\exe"), PreviewSource::ShellIcon);
}

TEST(IconRules, NeitherTheNoIconsMarkerNorAnIconCountIsAnIcon) {
  EXPECT_TRUE(IsIconHandle(0, 0x1234));
  EXPECT_FALSE(IsIconHandle(0, 0));
  EXPECT_FALSE(IsIconHandle(3, 1));
  EXPECT_FALSE(IsIconHandle(-1, 42));
}

TEST(IconRules, AListOfStoredIconsHoldsOnlyForTheSameFileUnchanged) {
  using velmora::FileIcons;
  using Stamp = velmora::IconFileStamp;
  const Stamp file{true, 7, 100, 2048, 5};
  const Stamp gone{};
  const struct {
    FileIcons listed;
    Stamp now;
    bool holds;
  } cases[] = {
      {FileIcons::kStored, file, true},
      {FileIcons::kStored, {true, 7, 100, 1024, 6}, false},  // written again
      {FileIcons::kStored, {true, 7, 101, 2048, 5}, false},  // replaced by another file
      {FileIcons::kStored, gone, false},
      {FileIcons::kNoneStored, {true, 7, 100, 9, 9}, true},  // its kind decides its icon
      {FileIcons::kNoneStored, gone, false},
      {FileIcons::kMissing, gone, true},
      {FileIcons::kMissing, file, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(velmora::ListStillHolds(c.listed, file, c.now), c.holds) << &c - cases;
}

}  // namespace
