#include "folders/PickerRows.h"

#include <algorithm>

#include "ui/Handles.h"

namespace velmora {

RowPictures::RowPictures(const ui::Widget& owner, std::initializer_list<RowPicture> pictures)
    : owner_(owner) {
  for (const RowPicture& picture : pictures)
    pictures_.emplace_back(std::vector<ui::PictureSource>{{16, picture.at16}, {24, picture.at24}});
}

const ui::TransparentBitmap& RowPictures::operator[](std::size_t index) const {
  return pictures_.at(index).ForDpi(owner_.Dpi());
}

int PictureWidth(const ui::TransparentBitmap& picture) {
  return picture ? picture.Width() : 16;
}

void DrawRowPicture(HDC dc, const ui::TransparentBitmap& picture, int x, const RECT& row) {
  picture.Draw(dc, x, (row.top + row.bottom - picture.Height()) / 2);
}

int RowHeight(HFONT font, int minimum) {
  ui::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  TEXTMETRICA metrics{};
  if (dc) {
    ui::SelectScope select(dc.Get(), font);
    GetTextMetricsA(dc.Get(), &metrics);
  }
  return std::max(static_cast<int>(metrics.tmHeight), minimum);
}

COLORREF RowBackground() {
  return GetSysColor(COLOR_WINDOW);
}

}  // namespace velmora
