#include "shortcut/Destination.h"

#include <optional>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::ResolveDestination;
namespace ut = velmora::unit_text;

// The special folders: the question names the item, the writer looks the folder up.
TEST(Destination, TheFirstFourAreSpecialFoldersNamedByTheirCaptions) {
  const int folders[] = {16, 2, 7, 9};
  for (int index = 0; index < 4; ++index) {
    SCOPED_TRACE(index);
    const auto destination = ResolveDestination(index, "C:\\Tools\\edit.exe", "D:\\");
    ASSERT_TRUE(destination.has_value());
    EXPECT_EQ(destination->specialFolder, folders[index]);
  }
  EXPECT_EQ(ResolveDestination(0, "C:\\Tools\\edit.exe", "D:\\")->label, ut::kDesktop);
  EXPECT_EQ(ResolveDestination(3, "C:\\Tools\\edit.exe", "D:\\")->label, ut::kSendTo);
}

// 4 and 5: no special folder, so the folder the question names is the folder written into,
// wherever the picker is.
TEST(Destination, TheLastTwoWriteIntoTheFolderTheQuestionNames) {
  const struct {
    int index;
    const char* target;
    const char* picker;
    const char* folder;
  } cases[] = {
      {4, "C:\\Tools\\edit.exe", "D:\\", "C:\\Tools"},
      {4, "C:\\edit.exe", "D:\\", "C:\\"},
      {4, ut::kSoFolderFile, "D:\\", ut::kSoFolder},
      {4, "\\\\server\\share\\x.exe", "D:\\Elsewhere", "\\\\server\\share"},
      {5, "C:\\Tools\\edit.exe", "D:\\", "D:\\"},
      {5, "C:\\Tools\\edit.exe", "D:\\Work", "D:\\Work"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    const auto destination = ResolveDestination(c.index, c.target, c.picker);
    ASSERT_TRUE(destination.has_value());
    EXPECT_EQ(destination->label, c.folder);
    EXPECT_EQ(destination->specialFolder, std::nullopt);
  }
}

TEST(Destination, NoItemChosenIsNoDestination) {
  EXPECT_FALSE(ResolveDestination(-1, "C:\\Tools\\edit.exe", "D:\\").has_value());
  EXPECT_FALSE(ResolveDestination(6, "C:\\Tools\\edit.exe", "D:\\").has_value());
}

}  // namespace
