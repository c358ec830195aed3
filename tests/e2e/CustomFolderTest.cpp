// The custom-folder picker in the real program: folders opened by double-click, drives chosen by
// the keyboard, the link written into the folder that is open, and targets whose folder cannot
// be entered.
#include <gtest/gtest.h>

#include "Driver.h"
#include "LiblnkReader.h"
#include "PickerView.h"
#include "TestTexts.h"
#include "app/ControlIds.h"

namespace velmora::e2e {
namespace {

using testing::ComboTexts;
using testing::FolderTree;
using testing::IndexOf;
using testing::ListTexts;

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

std::string Settings(int destination) {
  return "[Window]\r\nStart=0\r\nItemIndex=" + std::to_string(destination) + "\r\n";
}

std::string Question(const std::string& name, const std::string& label) {
  return "\"" + name + "\"" + test_text::kConfirmBeforeLabel + label +
         test_text::kConfirmAfterLabel;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

// Waits for the list to show these items; the failure names what it shows.
::testing::AssertionResult Shows(HWND list, const std::vector<std::string>& items) {
  if (WaitUntil([&] { return ListTexts(list) == items; }, 5000))
    return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure() << "the list shows";
  for (const std::string& item : ListTexts(list))
    failure << " [" << item << "]";
  return failure;
}

// Double-clicks an item as the mouse does, scrolled to the top of the list first.
void DoubleClickItem(HWND list, const std::string& text) {
  const int index = IndexOf(ListTexts(list), text);
  ASSERT_GE(index, 0) << text;
  Ask(list, LB_SETTOPINDEX, static_cast<WPARAM>(index));
  const auto height = static_cast<int>(Ask(list, LB_GETITEMHEIGHT));
  const int top = static_cast<int>(Ask(list, LB_GETTOPINDEX));
  const LPARAM at = MAKELPARAM(40, (index - top) * height + height / 2);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

TEST(CustomFolder, FoldersOpenByDoubleClickAndEnterWritesIntoTheOpenOne) {
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  const std::string pick = sandbox / "x\\pick";
  MakeFolder(sandbox / "x");
  MakeFolder(pick);
  for (const char* name : {"beta", "Alpha", "Hidden"})
    MakeFolder(pick + "\\" + name);
  SetFileAttributesA((pick + "\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  const std::string so = pick + "\\" + test_text::kFolderEndingInSo;
  MakeFolder(so);
  const std::string target = pick + "\\tool.exe";
  MakeFile(target);
  sandbox.WriteSettings(Settings(5));
  App run(sandbox, Quoted(target));
  ASSERT_NE(run.WaitForWindow(), nullptr);

  const HWND list = run.Control(id::kDirectoryListBox1);
  std::vector<std::string> pickItems = FolderTree(pick);
  const auto pickIndex = static_cast<LRESULT>(pickItems.size()) - 1;
  pickItems.insert(pickItems.end(), {"Alpha", "beta", test_text::kFolderEndingInSo});
  ASSERT_TRUE(Shows(list, pickItems));
  EXPECT_TRUE(run.IsEnabled(id::kGroupBox2));
  EXPECT_EQ(Ask(list, LB_GETCURSEL), pickIndex);
  EXPECT_EQ(Ask(list, LB_GETITEMHEIGHT), 16);

  DoubleClickItem(list, "beta");
  EXPECT_TRUE(Shows(list, FolderTree(pick + "\\beta")));
  DoubleClickItem(list, "pick");
  EXPECT_TRUE(Shows(list, pickItems));
  DoubleClickItem(list, test_text::kFolderEndingInSo);
  ASSERT_TRUE(Shows(list, FolderTree(so)));

  // Only highlighted: Enter in the list goes to the create button, which names the open folder.
  Ask(list, LB_SETCURSEL, static_cast<WPARAM>(pickIndex));
  PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  const HWND box = run.WaitForConfirmBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(App::BoxText(box), Question("tool", so));
  ASSERT_TRUE(App::Answer(box, IDYES));
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_TRUE(Exists(so + "\\tool.lnk"));
  EXPECT_FALSE(Exists(pick + "\\tool.lnk"));
  test::ExpectLiblnkReadsAlike(so + "\\tool.lnk");
}

TEST(CustomFolder, ADriveChosenByTheKeyboardMovesThePickerAndTheLinkGoesThere) {
  if (!testing::HasDataDisk())
    GTEST_SKIP() << "no drive D: labelled Data Disk";
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  const std::string target = sandbox / "tool.exe";
  MakeFile(target);
  const FileCleanup link("D:\\tool.lnk");
  sandbox.WriteSettings(Settings(5));
  App run(sandbox, Quoted(target));
  ASSERT_NE(run.WaitForWindow(), nullptr);
  const HWND list = run.Control(id::kDirectoryListBox1);
  ASSERT_TRUE(Shows(list, FolderTree(sandbox.Folder())));

  const HWND drives = run.Control(id::kDriveComboBox1);
  const std::vector<std::string> items = ComboTexts(drives);
  const int dataDisk = IndexOf(items, "d: [data disk]");
  ASSERT_GE(dataDisk, 0);
  EXPECT_EQ(items[static_cast<std::size_t>(Ask(drives, CB_GETCURSEL))].substr(0, 2), "c:");

  PostMessageA(drives, WM_KEYDOWN, VK_DOWN, 0x00500001);
  ASSERT_TRUE(WaitUntil(
      [&] {
        const std::vector<std::string> shown = ListTexts(list);
        return !shown.empty() && (shown[0] == "D:\\" || shown[0] == "d:\\");
      },
      5000));
  EXPECT_EQ(Ask(drives, CB_GETCURSEL), dataDisk);

  run.Click(id::kBitBtn1);
  const HWND box = run.WaitForConfirmBox();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_TRUE(Exists(link.Path()));
  test::ExpectLiblnkReadsAlike(link.Path());
}

// A target in a folder that cannot be entered: the picker stays where it is, and destination 4
// still writes into the folder its question names.
TEST(CustomFolder, ATargetWhoseFolderCannotBeEnteredIsReportedOnceAndThePickerStays) {
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  const std::string missing = sandbox / "gone";
  const std::string target = missing + "\\tool.exe";
  sandbox.WriteSettings(Settings(5));
  App run(sandbox, Quoted(target));
  HWND error = run.WaitForErrorBox();
  ASSERT_NE(error, nullptr);
  EXPECT_TRUE(testing::IsMissingFolderError(App::BoxText(error))) << App::BoxText(error);
  ASSERT_TRUE(App::Answer(error, IDOK));

  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return run.Text(id::kEdit1) == target; }, 3000));
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(run.AnyBox(), nullptr);
  EXPECT_TRUE(run.IsEnabled(id::kGroupBox2));
  const HWND list = run.Control(id::kDirectoryListBox1);
  EXPECT_TRUE(Shows(list, FolderTree(sandbox.Folder())));

  // Destination 4 tries the target's folder again.
  run.Click(id::kRadioItem0 + 4);
  error = run.WaitForErrorBox();
  ASSERT_NE(error, nullptr);
  ASSERT_TRUE(App::Answer(error, IDOK));
  EXPECT_TRUE(Shows(list, FolderTree(sandbox.Folder())));
  // A target that is not there gets no link.
  run.PressKey(VK_RETURN);
  EXPECT_EQ(run.AnswerErrorBox(), std::string(test_text::kIoFileNotFound) + ".");
  EXPECT_TRUE(run.StaysOpen());

  // Once it is there, the link goes into its folder, which the question names, and not into
  // the picker's.
  MakeFolder(missing);
  MakeFile(target);
  run.PressKey(VK_RETURN);
  const HWND box = run.WaitForConfirmBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(App::BoxText(box), Question("tool", missing));
  ASSERT_TRUE(App::Answer(box, IDYES));
  EXPECT_TRUE(run.WaitForExit());
  EXPECT_TRUE(Exists(missing + "\\tool.lnk"));
  EXPECT_FALSE(Exists(sandbox / "tool.lnk"));
}

}  // namespace
}  // namespace velmora::e2e
