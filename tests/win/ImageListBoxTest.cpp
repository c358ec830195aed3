// The image list box against the real list box: the count that follows the image list, the
// window it makes, recreation, the size messages, the dropped carriage return and the cells.
#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "IconFixtureColors.h"
#include "IconProbe.h"
#include "TestFiles.h"
#include "icons/ImageListBox.h"
#include "ui/Window.h"

namespace velmora {
namespace {

using testing::FixturePath;

// Records what reaches the window and what the control passes on to the list box.
class RecordingBox : public TImageListBox {
 public:
  using TImageListBox::TImageListBox;
  std::vector<WPARAM> columnWidths;
  int itemHeightMessages = 0;
  int changes = 0;
  std::vector<WPARAM> defaultChars;

  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CHAR)
      defaultChars.push_back(wParam);
    return TImageListBox::CallDefault(message, wParam, lParam);
  }

 protected:
  void ImagesChanged(ui::ImageList* sender) override {
    ++changes;
    TImageListBox::ImagesChanged(sender);
  }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == LB_SETCOLUMNWIDTH)
      columnWidths.push_back(wParam);
    if (message == LB_SETITEMHEIGHT)
      ++itemHeightMessages;
    return TImageListBox::OnMessage(message, wParam, lParam);
  }
};

class BoxForm : public ui::Form {
 public:
  BoxForm()
      : Form(ui::FontSpec{"Tahoma", 12, DEFAULT_CHARSET, CLR_DEFAULT, false}),
        box(*this, 301, {10, 10, 121, 97}) {
    box.SetDeferred(true);
    CreateForm("VelmoraImageListBoxTest", WS_OVERLAPPEDWINDOW, 0, SIZE{300, 200}, nullptr, nullptr);
  }
  void ShowBox() { CreateDeferredWindows(); }
  RecordingBox box;
};

class ImageListBox : public ::testing::Test {
 protected:
  ImageListBox() {
    // Icons 0 to 2 of the three-icon program: red, lime and blue squares on transparency.
    for (int i = 0; i < 3; ++i) {
      const ui::UniqueIcon icon(ExtractIconA(nullptr, FixturePath("Three.EXE").c_str(), i));
      images->AddIcon(icon.Get());
    }
  }
  LONG_PTR Style() const { return GetWindowLongPtrA(form.box.Handle(), GWL_STYLE); }

  std::optional<ui::ImageList> images{std::in_place, 16, 16};
  BoxForm form;
};

TEST_F(ImageListBox, WithoutWindowReadsZeroDropsTheSelectionAndKeepsTheSizesForLater) {
  RecordingBox& box = form.box;
  EXPECT_EQ(box.ColumnWidth(), 16);
  EXPECT_EQ(box.ItemHeight(), 20);
  EXPECT_TRUE(box.MultiColumn());
  EXPECT_TRUE(box.ExtendedSelect());
  box.SetImages(&*images);
  box.SetItemIndex(2);
  box.SetColumnWidth(-5);
  box.SetItemHeight(24);
  EXPECT_EQ(box.Count(), 0);
  EXPECT_EQ(box.ItemIndex(), 0);
  EXPECT_EQ(box.ColumnWidth(), 0);

  form.ShowBox();
  ASSERT_TRUE(box.HasWindow());
  EXPECT_EQ(box.Count(), 3);
  EXPECT_EQ(box.ItemIndex(), -1);
  EXPECT_EQ(SendMessageA(box.Handle(), LB_GETITEMHEIGHT, 0, 0), 24);
  EXPECT_EQ(box.columnWidths.back(), 16u);  // automatic: the image width

  // Its own class, as the system's list box without redrawing on every resize.
  char name[32] = {};
  GetClassNameA(box.Handle(), name, sizeof(name));
  EXPECT_STREQ(name, "TImageListBox");
  EXPECT_EQ(GetClassLongPtrA(box.Handle(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), 0);
}

TEST_F(ImageListBox, CountFollowsTheImageListThroughOneSubscriptionUntilTheListGoes) {
  RecordingBox& box = form.box;
  form.ShowBox();
  box.SetImages(&*images);
  box.SetImages(&*images);
  EXPECT_EQ(box.Count(), 3);
  const int changes = box.changes;
  images->Clear();
  EXPECT_EQ(box.Count(), 0);
  images->AddIcon(LoadIconA(nullptr, IDI_APPLICATION));
  EXPECT_EQ(box.Count(), 1);
  EXPECT_EQ(box.changes, changes + 2);

  images.reset();
  EXPECT_EQ(box.Images(), nullptr);
  EXPECT_EQ(box.Count(), 0);
}

TEST_F(ImageListBox, RecreationRestoresTheCountAndClearsTheSelection) {
  RecordingBox& box = form.box;
  box.SetImages(&*images);
  form.ShowBox();
  const auto recreatedBy = [&](const auto& change) {
    box.SetItemIndex(1);
    HWND before = box.Handle();
    change();
    return box.Handle() != before && box.Count() == 3;
  };
  EXPECT_TRUE(recreatedBy([&] { box.SetMultiColumn(false); }));
  EXPECT_EQ(box.ItemIndex(), -1);
  EXPECT_TRUE(recreatedBy([&] { box.SetBorderStyle(TBorderStyle::bsNone); }));
  EXPECT_EQ(box.ItemIndex(), -1);
  EXPECT_FALSE(GetWindowLongPtrA(box.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(recreatedBy([&] { SendMessageA(box.Handle(), WM_THEMECHANGED, 0, 0); }));
  EXPECT_EQ(box.ItemIndex(), -1);
  // With several selections allowed, the selection read is the focused item.
  EXPECT_TRUE(recreatedBy([&] { box.SetMultiSelect(true); }));
  EXPECT_TRUE(Style() & LBS_EXTENDEDSEL);
  EXPECT_TRUE(recreatedBy([&] { box.SetExtendedSelect(false); }));
  EXPECT_TRUE(Style() & LBS_MULTIPLESEL);
}

TEST_F(ImageListBox, ColumnWidthIsSentOnEveryAssignmentItemHeightOnlyWhenItChanges) {
  RecordingBox& box = form.box;
  form.ShowBox();
  box.columnWidths.clear();
  box.itemHeightMessages = 0;
  box.SetColumnWidth(16);
  box.SetColumnWidth(16);
  box.SetItemHeight(20);
  EXPECT_EQ(box.columnWidths.size(), 2u);
  EXPECT_EQ(box.itemHeightMessages, 0);
  // Automatic without images: the font's height of 12 pixels.
  box.SetColumnWidth(0);
  box.SetItemHeight(-1);
  EXPECT_EQ(box.columnWidths.back(), 12u);
  EXPECT_EQ(SendMessageA(box.Handle(), LB_GETITEMHEIGHT, 0, 0), 12);
  box.SetImages(&*images);
  box.SetColumnWidth(0);
  EXPECT_EQ(box.columnWidths.back(), 16u);
}

TEST_F(ImageListBox, CarriageReturnIsDroppedWhileEnterStillReachesKeyDown) {
  RecordingBox& box = form.box;
  form.ShowBox();
  int enterKeys = 0;
  box.onKeyDown = [&](WORD key, ui::ShiftState) { enterKeys += key == VK_RETURN; };
  SendMessageA(box.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(box.Handle(), WM_CHAR, '\r', 0);
  SendMessageA(box.Handle(), WM_CHAR, 'a', 0);
  EXPECT_EQ(enterKeys, 1);
  EXPECT_EQ(box.defaultChars, std::vector<WPARAM>{'a'});
}

TEST_F(ImageListBox, CellsShowTheirImageCentredThroughItsMaskOnHighlightOrWindowColour) {
  RecordingBox& box = form.box;
  box.SetImages(&*images);
  form.ShowBox();
  const auto draw = [&](int id, UINT state) {
    testing::Canvas canvas;
    DRAWITEMSTRUCT item{ODT_LISTBOX,
                        301,
                        static_cast<UINT>(id),
                        ODA_DRAWENTIRE,
                        state,
                        box.Handle(),
                        canvas.Dc(),
                        RECT{0, 0, 20, 20},
                        0};
    SendMessageA(form.Handle(), WM_DRAWITEM, 301, reinterpret_cast<LPARAM>(&item));
    // The frame (where the focus frame goes), the image's transparent surround, its centre.
    return std::vector<COLORREF>{canvas.Pixel(0, 0) & canvas.Pixel(1, 0), canvas.Pixel(4, 4),
                                 canvas.Pixel(10, 10)};
  };
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF blue = testing::kLargeIconColors[2];
  EXPECT_EQ(draw(2, 0), (std::vector<COLORREF>{window, window, blue}));
  EXPECT_EQ(draw(2, ODS_SELECTED), (std::vector<COLORREF>{highlight, highlight, blue}));
  // The focus frame goes round the cell, drawn after the image.
  const std::vector<COLORREF> focused = draw(2, ODS_SELECTED | ODS_FOCUS);
  EXPECT_NE(focused[0], highlight);
  EXPECT_EQ(focused[2], blue);
  // The focus cell of an empty list, and an index past the images: background only.
  EXPECT_EQ(draw(-1, ODS_SELECTED)[2], window);
  EXPECT_EQ(draw(7, 0)[2], window);
}

TEST_F(ImageListBox, ClickAndDoubleClickComeFromTheListBox) {
  RecordingBox& box = form.box;
  box.SetImages(&*images);
  form.ShowBox();
  int clicks = 0;
  int doubleClicks = 0;
  box.onClick = [&] { ++clicks; };
  box.onDblClick = [&] { ++doubleClicks; };
  box.SetItemIndex(0);
  RECT cell{};
  SendMessageA(box.Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&cell));
  const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(box.Handle(), WM_LBUTTONUP, 0, at);
  SendMessageA(box.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(box.Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace velmora
