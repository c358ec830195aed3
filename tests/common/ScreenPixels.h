#pragma once
// Pictures as the user sees them: a window's client area read back from the screen, searched
// for a bitmap shown at its own size.
#include <windows.h>

#include <vector>

namespace velmora::testing {

class Pixels {
 public:
  // The client area of a window of any process, as the screen shows it now.
  static Pixels OfWindow(HWND window);
  // One image of a bitmap that holds images `width` pixels wide side by side (0: the whole
  // bitmap), the first at index 0.
  static Pixels OfBitmap(HBITMAP bitmap, int width = 0, int index = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // RGB(...) of a pixel; rows from the top.
  COLORREF At(int x, int y) const { return colours_[static_cast<size_t>(y * width_ + x)]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> colours_;
};

// True when `picture` shows somewhere in `screen` pixel for pixel at its own size, its
// transparent colour (that of its bottom-left pixel) letting anything through.
bool Shows(const Pixels& screen, const Pixels& picture);

}  // namespace velmora::testing
