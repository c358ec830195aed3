#include "folders/PickerRows.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Handles.h"

namespace velmora {

RowPictures::RowPictures(std::initializer_list<const char*> names) : names_(names) {}

const ui::TransparentBitmap& RowPictures::operator[](std::size_t index) const {
  if (pictures_.empty()) {
    pictures_.resize(names_.size());
    for (std::size_t i = 0; i < names_.size(); ++i)
      pictures_[i].Load(ui::ApplicationInstance(), names_[i]);
  }
  return pictures_.at(index);
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
