#pragma once
// What the picker's two owner-drawn lists share: their row pictures (bitmap resources loaded
// when first needed), the row height, the rows' colours, and where a picture stands in a row.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "ui/TransparentBitmap.h"

namespace velmora {

class RowPictures {
 public:
  // Bitmap resources of the executable, by name, in the order of the kinds they stand for.
  RowPictures(std::initializer_list<const char*> names);
  // Loaded on first use: rows are measured while the list's window is being made.
  const ui::TransparentBitmap& operator[](std::size_t index) const;

 private:
  std::vector<const char*> names_;
  mutable std::vector<ui::TransparentBitmap> pictures_;
};

// Width a row's text is moved by for its picture: a row without one counts 16.
int PictureWidth(const ui::TransparentBitmap& picture);
// Draws the picture with its left edge at x, its top at (Top + Bottom - height) / 2 of the row.
void DrawRowPicture(HDC dc, const ui::TransparentBitmap& picture, int x, const RECT& row);

// The larger of the font's text height (text metrics) and `minimum`.
int RowHeight(HFONT font, int minimum);

// The background of the lists' rows, the window colour; their text is in the font's colour
// (grey while the picker is disabled).
COLORREF RowBackground();

}  // namespace velmora
