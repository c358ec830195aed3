// The picker's directory list and drive list as real controls on real folders: what they list,
// how a folder is opened, what a failure leaves, row heights, and the link between the two.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "PickerView.h"
#include "ReportCapture.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "base/Error.h"
#include "base/WideText.h"
#include "folders/DirectoryListBox.h"
#include "folders/DriveComboBox.h"
#include "ui/Handles.h"
#include "ui/StdControls.h"
#include "ui/Window.h"

namespace velmora {
namespace {

using testing::Acp;
using testing::ComboTexts;
using testing::CurrentFolder;
using testing::FolderTree;
using testing::HasDataDisk;
using testing::IndexOf;
using testing::ListTexts;
using testing::MakeFile;
using testing::MakeFolder;
using testing::ScratchFolder;

class PickerForm : public ui::Form {
 public:
  PickerForm()
      : Form(ui::FontSpec{test_text::kFontFace, 12, SHIFTJIS_CHARSET, CLR_DEFAULT, false}),
        group(*this, 301, {10, 10, 225, 145}, "Group"),
        drives(group, 302, {16, 120, 192, 18}),
        dirs(group, 303, {16, 16, 192, 97}) {
    drives.SetDirList(&dirs);
    CreateForm("VelmoraPickerTest", WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, SIZE{250, 170},
               nullptr, nullptr);
  }

  ui::GroupBox group;
  TDriveComboBox drives;
  TDirectoryListBox dirs;
};

// The drive list's rows are as high as the font's text, at least as high as its pictures (11
// pixels high when drawn for 16, 16 when drawn for 24).
LRESULT DriveRowHeight(HWND combo, LRESULT pictureHeight = 11) {
  const ui::WindowDcScope dc(combo);
  const ui::SelectScope font(dc.Dc(),
                             reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.Dc(), &metrics);
  return std::max<LRESULT>(metrics.tmHeight, pictureHeight);
}

int Selection(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

void DoubleClick(HWND list, int index) {
  RECT item{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 30, (item.top + item.bottom) / 2);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

void Press(HWND control, WPARAM key) {
  SendMessageA(control, WM_KEYDOWN, key, 0);
  SendMessageA(control, WM_KEYUP, key, 0xC0000001);
}

class Picker : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolder(pick_);
    for (const char* name : {"beta", "Alpha", "Gamma", "Hidden", "Sys"})
      MakeFolder(pick_ + "\\" + name);
    MakeFolder(so_);
    MakeFile(pick_ + "\\file.txt");
    SetFileAttributesA((pick_ + "\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((pick_ + "\\Sys").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_NE(form_.dirs.Handle(), nullptr);
    form_.dirs.SetDirectory(pick_);
  }
  std::vector<std::string> Items() const { return ListTexts(form_.dirs.Handle()); }
  // The items a directory list shows for pick: the tree, then the visible subfolders sorted.
  std::vector<std::string> PickItems() const {
    std::vector<std::string> items = FolderTree(pick_);
    for (const std::string& name :
         {std::string("Alpha"), std::string("beta"), std::string("Gamma"), Acp(L"ソフト")})
      items.push_back(name);
    return items;
  }

  const testing::ReportCapture reports_;
  ScratchFolder folder_;
  const std::string pick_ = folder_ / "pick";
  // ソ ends in the byte of a backslash.
  const std::string so_ = pick_ + "\\" + Acp(L"ソフト");
  PickerForm form_;
};

TEST_F(Picker, ListsTheTreeThenVisibleSubfoldersSortedWithTheOpenFolderSelected) {
  EXPECT_EQ(form_.dirs.Directory(), pick_);
  EXPECT_EQ(CurrentFolder(), pick_);
  EXPECT_EQ(Items(), PickItems());
  EXPECT_EQ(Selection(form_.dirs.Handle()), static_cast<int>(FolderTree(pick_).size()) - 1);
  EXPECT_EQ(SendMessageA(form_.dirs.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
  EXPECT_EQ(SendMessageA(form_.drives.Handle(), CB_GETITEMHEIGHT, 0, 0),
            DriveRowHeight(form_.drives.Handle()));
}

TEST_F(Picker, DoubleClickAndEnterOpenWhileArrowsAndLettersOnlyMoveTheHighlight) {
  HWND list = form_.dirs.Handle();
  const int pickIndex = Selection(list);
  Press(list, VK_DOWN);
  EXPECT_EQ(Selection(list), pickIndex + 1);
  SendMessageA(list, WM_CHAR, 'g', 0);
  EXPECT_EQ(Items()[static_cast<std::size_t>(Selection(list))], "Gamma");
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 2));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(30, 2));
  EXPECT_EQ(form_.dirs.Directory(), pick_);
  EXPECT_EQ(CurrentFolder(), pick_);

  DoubleClick(list, IndexOf(Items(), Acp(L"ソフト")));
  EXPECT_EQ(form_.dirs.Directory(), so_);
  EXPECT_EQ(CurrentFolder(), so_);
  EXPECT_EQ(Items(), FolderTree(so_));
  EXPECT_EQ(Selection(list), static_cast<int>(FolderTree(so_).size()) - 1);

  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(pickIndex), 0);
  SendMessageA(list, WM_CHAR, VK_RETURN, 0);
  EXPECT_EQ(form_.dirs.Directory(), pick_);
  EXPECT_EQ(Items(), PickItems());
  EXPECT_TRUE(reports_.Messages().empty());
}

TEST_F(Picker, AFolderThatCannotBeEnteredRaisesTheIoErrorAndChangesNothing) {
  HWND list = form_.dirs.Handle();
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  const int drive = form_.drives.ItemIndex();
  for (const std::string& path : {pick_ + "\\Missing", std::string("Z:\\VelmoraMissing\\Deeper")}) {
    SCOPED_TRACE(path);
    try {
      form_.dirs.SetDirectory(path);
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_TRUE(testing::IsMissingFolderError(error.what())) << error.what();
    }
    EXPECT_EQ(form_.dirs.Directory(), pick_);
    EXPECT_EQ(CurrentFolder(), pick_);
    EXPECT_EQ(Items(), PickItems());
    EXPECT_EQ(Selection(list), 1);
    EXPECT_EQ(form_.drives.ItemIndex(), drive);
  }
}

// Names the code page cannot hold (Wine's file system takes any): each folder its own item, shown
// as the code page shows it, and opening one says why instead of opening nothing or a look-alike.
TEST_F(Picker, FoldersTheCodePageCannotNameAreListedApartAndReportedWhenOpened) {
  const std::string names = pick_ + "\\names";
  MakeFolder(names);
  // é, 한글, two single Hangul, and ¥, whose look-alike is the backslash byte.
  for (const wchar_t* name :
       {L"caf\u00e9", L"cafe", L"\uD55C\uAE00", L"\uAC00", L"\uB098", L"a\u00A5b"}) {
    ASSERT_TRUE(CreateDirectoryW((*ToWide(names) + L"\\" + name).c_str(), nullptr));
  }
  form_.dirs.SetDirectory(names);
  std::vector<std::string> items = Items();
  const std::size_t tree = FolderTree(names).size();
  ASSERT_EQ(items.size(), tree + 6);
  std::sort(items.begin() + static_cast<std::ptrdiff_t>(tree), items.end());
  EXPECT_EQ(
      std::vector<std::string>(items.begin() + static_cast<std::ptrdiff_t>(tree), items.end()),
      (std::vector<std::string>{"?", "?", "??", "a?b", "caf?", "cafe"}));

  HWND list = form_.dirs.Handle();
  DoubleClick(list, IndexOf(Items(), "??"));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(IndexOf(Items(), "a?b")), 0);
  SendMessageA(list, WM_CHAR, VK_RETURN, 0);
  ASSERT_EQ(reports_.Messages().size(), 2u);
  EXPECT_EQ(reports_.Messages()[0], test_text::kHangulFolderMessage);
  EXPECT_NE(reports_.Messages()[1].find("a?b"), std::string::npos) << reports_.Messages()[1];
  EXPECT_EQ(form_.dirs.Directory(), names);
  EXPECT_EQ(CurrentFolder(), names);

  DoubleClick(list, IndexOf(Items(), "cafe"));
  EXPECT_EQ(form_.dirs.Directory(), names + "\\cafe");
  EXPECT_EQ(reports_.Messages().size(), 2u);
}

TEST_F(Picker, DriveListHoldsEachDriveAndMovesWithTheDirectoryListBothWays) {
  const std::vector<std::string> letters = testing::DriveLetters();
  const std::vector<std::string> items = ComboTexts(form_.drives.Handle());
  ASSERT_EQ(items.size(), letters.size());
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].substr(0, 2), letters[i]);
  EXPECT_EQ(form_.drives.ItemTexts(), items);
  EXPECT_EQ(items[static_cast<std::size_t>(form_.drives.ItemIndex())].substr(0, 2), "c:");
  EXPECT_EQ(form_.drives.Drive(), 'c');
  if (!HasDataDisk())
    GTEST_SKIP() << "no drive D: labelled Data Disk";
  const int dataDisk = IndexOf(items, "d: [data disk]");
  EXPECT_EQ(dataDisk, form_.drives.ItemIndex() + 1);

  // The next drive by the keyboard: the directory list is there at once.
  Press(form_.drives.Handle(), VK_DOWN);
  EXPECT_EQ(form_.drives.Drive(), 'd');
  EXPECT_EQ(std::tolower(static_cast<unsigned char>(form_.dirs.Directory()[0])), 'd');
  EXPECT_EQ(CurrentFolder(), form_.dirs.Directory());
  EXPECT_EQ(Items()[0].substr(1), ":\\");
  // And the directory list moves the drive list.
  form_.dirs.SetDirectory(pick_);
  EXPECT_EQ(form_.drives.Drive(), 'c');
  EXPECT_EQ(
      ComboTexts(form_.drives.Handle())[static_cast<std::size_t>(form_.drives.ItemIndex())].substr(
          0, 2),
      "c:");

  // Upper-case letters: the items are made again, labels in the letters' case.
  form_.drives.SetTextCase(TextCase::kUpperCase);
  EXPECT_EQ(ComboTexts(form_.drives.Handle())[static_cast<std::size_t>(dataDisk)],
            "D: [DATA DISK]");
  EXPECT_EQ(form_.drives.Drive(), 'C');
  EXPECT_TRUE(reports_.Messages().empty());
}

TEST_F(Picker, ADriveThatCannotBeEnteredIsReportedAndTheDriveListReturnsToTheFolders) {
  if (!HasDataDisk())
    GTEST_SKIP() << "no drive D: labelled Data Disk";
  // The system's current folder on D:, which entering the drive leads to, is gone.
  ASSERT_TRUE(SetEnvironmentVariableA("=D:", "D:\\VelmoraMissing"));
  const int drive = form_.drives.ItemIndex();
  Press(form_.drives.Handle(), VK_DOWN);
  SetEnvironmentVariableA("=D:", nullptr);
  ASSERT_EQ(reports_.Messages().size(), 1u);
  EXPECT_TRUE(testing::IsMissingFolderError(reports_.Messages()[0])) << reports_.Messages()[0];
  EXPECT_EQ(form_.drives.ItemIndex(), drive);
  EXPECT_EQ(form_.drives.Drive(), 'c');
  EXPECT_EQ(form_.dirs.Directory(), pick_);
  EXPECT_EQ(CurrentFolder(), pick_);
}

TEST_F(Picker, RowsFollowTheFontAndOnlyARealColourChangeReadsTheDrivesAgain) {
  int driveBuilds = 0;
  form_.drives.onChange = [&] { ++driveBuilds; };
  ui::FontSpec large = form_.group.Font();
  large.height = 24;
  form_.group.SetFont(large);
  const LRESULT listRow = SendMessageA(form_.dirs.Handle(), LB_GETITEMHEIGHT, 0, 0);
  EXPECT_GE(listRow, 24);
  EXPECT_EQ(SendMessageA(form_.drives.Handle(), CB_GETITEMHEIGHT, 0, 0), listRow);
  EXPECT_EQ(driveBuilds, 1);
  EXPECT_EQ(form_.drives.Drive(), 'c');

  form_.group.SetFontColor(RGB(0, 0, 0));
  form_.group.SetFontColor(RGB(0, 0, 0));
  EXPECT_EQ(driveBuilds, 2);
  EXPECT_GE(form_.drives.ItemIndex(), 0);
  form_.group.SetFont(ui::FontSpec{test_text::kFontFace, 12, SHIFTJIS_CHARSET, CLR_DEFAULT, false});
  EXPECT_EQ(SendMessageA(form_.dirs.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
  EXPECT_EQ(SendMessageA(form_.drives.Handle(), CB_GETITEMHEIGHT, 0, 0),
            DriveRowHeight(form_.drives.Handle()));
}

// At 144 DPI the lists draw the pictures made for 24 pixels (folders 22 high), and again those
// for 16 (15 high) back at 96.
TEST_F(Picker, RowsFollowThePicturesDrawnForTheDpi) {
  for (const int dpi : {144, 96}) {
    SCOPED_TRACE(dpi);
    RECT suggested{0, 0, MulDiv(300, dpi, 96), MulDiv(250, dpi, 96)};
    SendMessageA(form_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const bool large = dpi == 144;
    EXPECT_EQ(SendMessageA(form_.dirs.Handle(), LB_GETITEMHEIGHT, 0, 0), large ? 23 : 16);
    EXPECT_EQ(SendMessageA(form_.drives.Handle(), CB_GETITEMHEIGHT, 0, 0),
              DriveRowHeight(form_.drives.Handle(), large ? 16 : 11));
  }
}

TEST(PickerLink, ClearedWhenEitherListGoes) {
  ScratchFolder folder;  // puts the current folder back
  PickerForm keep;
  EXPECT_EQ(keep.drives.DirList(), &keep.dirs);
  // Made with its window: the current folder, selected.
  EXPECT_EQ(keep.dirs.Directory(), CurrentFolder());
  EXPECT_EQ(Selection(keep.dirs.Handle()),
            static_cast<int>(FolderTree(CurrentFolder()).size()) - 1);
  {
    const auto other = std::make_unique<PickerForm>();
    keep.drives.SetDirList(&other->dirs);
    EXPECT_EQ(other->drives.DirList(), nullptr);
  }
  EXPECT_EQ(keep.drives.DirList(), nullptr);
  {
    const auto other = std::make_unique<PickerForm>();
    other->drives.SetDirList(&keep.dirs);
  }
  // A change of drive no longer reaches the drive list that has gone.
  keep.dirs.SetDirectory("Z:\\");
  EXPECT_EQ(keep.dirs.Directory(), "Z:\\");
}

}  // namespace
}  // namespace velmora
