#pragma once
// Large icons laid side by side in a strip of cells, scaled to an image list's size in one
// stretch and added to the list in one change. Adding icons one by one costs far more: the image
// list copies each icon, scales it on its own and draws it twice, and every addition is a change
// that its list boxes follow.
#include <windows.h>

#include "ui/Handles.h"
#include "ui/ImageList.h"

namespace velmora {

class IconStrip {
 public:
  // `count` cells of `cellSize` pixels square, the large-icon size, all transparent at first.
  IconStrip(int count, int cellSize);
  IconStrip(const IconStrip&) = delete;
  IconStrip& operator=(const IconStrip&) = delete;

  // Draws an icon into cell `index`, at the cell's size.
  void Draw(int index, HICON icon);
  // Adds every cell to the list, scaled to the list's image size: cell i becomes the list's
  // image Count() + i. False when the list refused them.
  bool AddTo(ui::ImageList& list) const;

 private:
  int count_;
  int cellSize_;
  ui::UniqueMemoryDc dc_;
  ui::UniqueBitmap images_;
  ui::UniqueBitmap masks_;
};

}  // namespace velmora
