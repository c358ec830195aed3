#pragma once
// A bitmap resource drawn with the colour of its bottom-left pixel transparent, so that the
// background it is drawn on shows there. One resource may hold several images of equal width
// side by side (a glyph and its grey twin).
#include <windows.h>

#include <vector>

#include "ui/Handles.h"

namespace velmora::ui {

class TransparentBitmap {
 public:
  // Loads the bitmap resource `name` of `instance`, cut into images `imageWidth` pixels wide
  // (0: the whole bitmap is one image). False when the resource cannot be loaded.
  bool Load(HINSTANCE instance, const char* name, int imageWidth = 0);

  explicit operator bool() const { return static_cast<bool>(images_); }
  int Width() const { return width_; }  // of one image
  int Height() const { return height_; }
  // Draws image `index` at its own size with its top-left corner at x, y.
  void Draw(HDC dc, int x, int y, int index = 0) const;

 private:
  UniqueImageList images_;
  int width_ = 0;
  int height_ = 0;
};

// A bitmap resource of the program drawn for one size: `width` is the width of one image in it.
struct PictureSource {
  int width;
  const char* resource;
};

// One picture drawn by hand for several sizes, the first source for 96 DPI. A DPI gets the
// largest source not wider than the first one scaled to it, at its own size: a picture is never
// stretched. Loaded on first use and again for another DPI.
class DpiBitmap {
 public:
  explicit DpiBitmap(std::vector<PictureSource> sources) : sources_(std::move(sources)) {}
  const TransparentBitmap& ForDpi(int dpi) const;

 private:
  std::vector<PictureSource> sources_;
  mutable TransparentBitmap bitmap_;
  mutable int dpi_ = 0;
};

}  // namespace velmora::ui
