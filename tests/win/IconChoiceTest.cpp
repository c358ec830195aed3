// The icon choice of the real main window, built in this process: preview and list for targets
// and icon files, the clicks, the files without icons, the DPI and the handles it keeps.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IconFixtureColors.h"
#include "IconProbe.h"
#include "ReportCapture.h"
#include "TestFiles.h"
#include "FormWindow.h"

namespace velmora {
namespace {

using testing::FixturePath;
using testing::IconCentre;
using testing::ImageCentre;
using testing::kLargeIconColors;

class IconWindow : public testing::FormWindow {
 public:
  IconWindow() : FormWindow("VelmoraIconChoiceTest") {}
  HICON Preview() const { return Image1.Icon(); }
  COLORREF Entry(int index) const { return ImageCentre(ImageList1.Handle(), index); }
  // A mouse click on an entry, as the user selects it.
  void ClickEntry(int index) {
    RECT cell{};
    SendMessageA(ImageListBox1.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&cell));
    const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    SendMessageA(ImageListBox1.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(ImageListBox1.Handle(), WM_LBUTTONUP, 0, at);
  }
};

class IconChoice : public ::testing::Test {
 protected:
  IconChoice()
      : text_(scratch_ / "notes.txt"),
        fakeProgram_(scratch_ / "Fake.exe"),
        missing_(scratch_ / "missing.dll") {
    testing::MakeFile(text_, "text");
    testing::MakeFile(fakeProgram_, "not a program");
  }

  // Reports must not open a box.
  const testing::ReportCapture reports_;
  const testing::ScratchFolder scratch_;
  const std::string text_;
  const std::string fakeProgram_;
  const std::string missing_;
  IconWindow window_;
};

TEST_F(IconChoice, ProgramWithThreeIconsListsThemAllAndTheChosenOneIsPreviewed) {
  window_.SetTarget(FixturePath("Three.EXE"));
  EXPECT_EQ(window_.ImageListBox1.Count(), 3);
  EXPECT_TRUE(window_.ImageListBox1.Enabled());
  EXPECT_EQ(window_.ImageListBox1.ItemIndex(), 0);
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[0]);
  // Each entry from its icon's large image, at the list's size.
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(window_.Entry(i), kLargeIconColors[i]) << i;
  EXPECT_EQ(testing::ImagePixel(window_.ImageList1.Handle(), 0, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(window_.ImageList1.Width(), 16);

  window_.ClickEntry(2);
  EXPECT_EQ(window_.ImageListBox1.ItemIndex(), 2);
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[2]);
  // Enter acts as a click, Shift held or not.
  window_.ImageListBox1.SetItemIndex(1);
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[2]);
  window_.ImageListBox1KeyDown(VK_RETURN, ui::ShiftState{true, false, false});
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[1]);

  // No selection: the preview keeps its icon.
  const HICON shown = window_.Preview();
  window_.ImageList1.Clear();
  window_.ImageListBox1Click();
  EXPECT_EQ(window_.Preview(), shown);
}

TEST_F(IconChoice, IconLibraryChosenIsListedAndPreviewedByTheEntryClicked) {
  window_.SetTarget(text_);
  const std::string library = FixturePath("Hundred.dll");
  window_.IconFileChosen(library);
  EXPECT_EQ(window_.Edit4.Text(), library);
  EXPECT_EQ(window_.ImageListBox1.Count(), 100);
  EXPECT_TRUE(window_.ImageListBox1.Enabled());
  window_.ClickEntry(5);
  EXPECT_EQ(window_.ImageListBox1.ItemIndex(), 5);
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[5]);

  window_.IconFileChosen(FixturePath("Velmora.ico"));
  EXPECT_EQ(window_.ImageListBox1.Count(), 1);
  EXPECT_TRUE(window_.ImageListBox1.Enabled());
}

TEST_F(IconChoice, FilesWithoutIconsGetTheShellsIconOnceAndNothingIsNeverAnIcon) {
  window_.SetTarget(text_);
  EXPECT_NE(window_.Preview(), nullptr);
  EXPECT_EQ(window_.ImageListBox1.Count(), 1);
  EXPECT_FALSE(window_.ImageListBox1.Enabled());
  EXPECT_EQ(window_.ImageListBox1.ItemIndex(), 0);

  // ExtractIconA answers 1 for a program that is none: no icon to show.
  window_.SetTarget(fakeProgram_);
  EXPECT_EQ(window_.Preview(), nullptr);
  EXPECT_EQ(window_.ImageListBox1.Count(), 1);
  EXPECT_FALSE(window_.ImageListBox1.Enabled());

  window_.SetTarget(missing_);
  EXPECT_EQ(window_.Preview(), nullptr);
  EXPECT_EQ(window_.ImageListBox1.Count(), 0);

  // The damaged icon keeps its place, empty: entry 2 is still icon 2.
  window_.IconFileChosen(FixturePath("Damaged.dll"));
  EXPECT_EQ(window_.ImageListBox1.Count(), 3);
  EXPECT_EQ(window_.Entry(1), RGB(255, 255, 255));
  EXPECT_EQ(window_.Entry(2), kLargeIconColors[2]);
}

// An icon file replaced, then deleted, after its icons were listed: the next click and the create
// command read the list again and say so, once each; a deleted one gives way to the target.
TEST_F(IconChoice, AnIconFileChangedSinceItWasListedIsReadAgainAndTheUserTold) {
  const std::string file = scratch_ / "icons.dll";
  ASSERT_TRUE(CopyFileA(FixturePath("Three.EXE").c_str(), file.c_str(), FALSE));
  window_.SetTarget(text_);
  window_.IconFileChosen(file);
  ASSERT_TRUE(CopyFileA(FixturePath("Hundred.dll").c_str(), file.c_str(), FALSE));
  window_.ClickEntry(2);
  window_.ClickEntry(5);
  EXPECT_EQ(window_.ImageListBox1.Count(), 100);
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[5]);

  DeleteFileA(file.c_str());
  SendMessageA(window_.BitBtn1.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(window_.Edit4.Text(), "");
  EXPECT_EQ(window_.ImageListBox1.Count(), 1);
  EXPECT_EQ(
      reports_.Messages(),
      (std::vector<std::string>{
          file + testing::Acp(L" が変更されたため、アイコンの一覧を読み直しました"),
          file + testing::Acp(L" が見つからないため、リンク先のアイコンの一覧に戻しました")}));
}

TEST_F(IconChoice, DamagedSourcesAreListedWithoutAnythingTheSystemWouldReadPastTheirEnd) {
  const auto damaged = [](const std::string& name) {
    return FixturePath("IconSources\\Damaged\\" + name);
  };
  // Damaged headers or directories: a file without icons, shown by the icon of its kind.
  window_.SetTarget(damaged("HeadersCut.exe"));
  EXPECT_EQ(window_.Preview(), nullptr);
  EXPECT_EQ(window_.ImageListBox1.Count(), 1);
  EXPECT_FALSE(window_.ImageListBox1.Enabled());
  window_.IconFileChosen(damaged("ManyImages.ico"));
  EXPECT_EQ(window_.ImageListBox1.Count(), 1);
  EXPECT_FALSE(window_.ImageListBox1.Enabled());
  window_.ImageListBox1KeyDown(VK_RETURN, ui::ShiftState{});
  EXPECT_EQ(window_.Preview(), nullptr);

  // A program's damaged icon keeps its place, empty, also when the list is read again for the
  // DPI.
  window_.IconFileChosen(damaged("Group65535.dll"));
  ASSERT_EQ(window_.ImageListBox1.Count(), 3);
  EXPECT_EQ(window_.Entry(0), RGB(255, 255, 255));
  EXPECT_EQ(window_.Entry(1), kLargeIconColors[1]);
  window_.ClickEntry(2);
  EXPECT_EQ(IconCentre(window_.Preview()), kLargeIconColors[2]);
  window_.ClickEntry(0);
  EXPECT_EQ(window_.Preview(), nullptr);
  RECT suggested{0, 0, 770, 600};
  SendMessageA(window_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window_.ImageListBox1.Count(), 3);
  EXPECT_EQ(window_.Entry(0), RGB(255, 255, 255));
  EXPECT_EQ(window_.Entry(2), kLargeIconColors[2]);
}

TEST_F(IconChoice, AtOneAndAHalfTimesTheDpiCellsAndImagesGrowAndAreReadAgain) {
  window_.SetTarget(FixturePath("Three.EXE"));
  window_.ClickEntry(1);
  RECT suggested{0, 0, 770, 600};
  SendMessageA(window_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window_.ImageList1.Width(), 24);
  EXPECT_EQ(SendMessageA(window_.ImageListBox1.Handle(), LB_GETITEMHEIGHT, 0, 0), 30);
  EXPECT_EQ(window_.ImageListBox1.Count(), 3);
  EXPECT_EQ(window_.ImageListBox1.ItemIndex(), 1);
  EXPECT_EQ(window_.Entry(1), kLargeIconColors[1]);
}

TEST_F(IconChoice, TwoHundredTargetsAndIconFilesLeaveNoObjectBehind) {
  const std::vector<std::string> targets = {FixturePath("Three.EXE"), text_, fakeProgram_, missing_,
                                            FixturePath("Damaged.dll")};
  const std::vector<std::string> iconFiles = {FixturePath("Hundred.dll"),
                                              FixturePath("Velmora.ico")};
  const auto round = [&](size_t i) {
    window_.SetTarget(targets[i % targets.size()]);
    window_.ImageListBox1.SetItemIndex(1);
    window_.ImageListBox1Click();
    window_.IconFileChosen(iconFiles[i % iconFiles.size()]);
  };
  // The first round fills the shell's caches, which stay.
  for (size_t i = 0; i < 10; ++i)
    round(i);
  const testing::GuiObjects before = testing::CountGuiObjects();
  for (size_t i = 0; i < 200; ++i)
    round(i);
  const testing::GuiObjects after = testing::CountGuiObjects();
  EXPECT_GT(before.icons, 0);
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.icons, before.icons);
  EXPECT_EQ(after.windows, before.windows);
}

}  // namespace
}  // namespace velmora
