#pragma once
// What the picker's two owner-drawn lists share: their row pictures (bitmap resources drawn for
// the list's DPI, loaded when first needed), the row height, the rows' colours, and where a
// picture stands in a row.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "ui/TransparentBitmap.h"
#include "ui/Window.h"

namespace velmora {

// A row picture's bitmap resources, by name: drawn for 16 pixels and for 24.
struct RowPicture {
  const char* at16;
  const char* at24;
};

class RowPictures {
 public:
  // The pictures of `owner`'s rows, in the order of the kinds they stand for.
  RowPictures(const ui::Widget& owner, std::initializer_list<RowPicture> pictures);
  // The picture for the owner's DPI, loaded on first use: rows are measured while the list's
  // window is being made.
  const ui::TransparentBitmap& operator[](std::size_t index) const;

 private:
  const ui::Widget& owner_;
  std::vector<ui::DpiBitmap> pictures_;
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
