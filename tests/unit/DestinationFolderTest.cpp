#include "folders/DestinationFolder.h"

#include <gtest/gtest.h>

#include "shortcut/CreateRules.h"

namespace {

// Destination 4 writes into the folder its question names, wherever the picker is.
TEST(DestinationFolder, TheSameDirectoryIsTheFolderTheQuestionNames) {
  using velmora::DestinationLabel;
  using velmora::PickerDestinationFolder;
  for (const char* target : {"C:\\Tools\\edit.exe", "C:\\edit.exe", "\\\\server\\share\\x.exe"}) {
    SCOPED_TRACE(target);
    EXPECT_EQ(PickerDestinationFolder(4, target, "D:\\Elsewhere"), DestinationLabel(4, target, ""));
    EXPECT_EQ(PickerDestinationFolder(5, target, "D:\\Picked"), "D:\\Picked");
    EXPECT_EQ(PickerDestinationFolder(5, target, "D:\\Picked"),
              DestinationLabel(5, target, "D:\\Picked"));
  }
  EXPECT_EQ(PickerDestinationFolder(0, "C:\\Tools\\edit.exe", "D:\\"), "");
}

}  // namespace
