#include "icons/IconStrip.h"

namespace velmora {

namespace {

// A bitmap in the display's own colour format, like the image list's.
ui::UniqueBitmap DisplayBitmap(int width, int height) {
  const ui::WindowDcScope screen(nullptr);
  return ui::UniqueBitmap(CreateCompatibleBitmap(screen.Dc(), width, height));
}

ui::UniqueBitmap MaskBitmap(int width, int height) {
  return ui::UniqueBitmap(CreateBitmap(width, height, 1, 1, nullptr));
}

void Fill(HDC dc, HBITMAP bitmap, int width, int height, DWORD colour) {
  const ui::SelectScope select(dc, bitmap);
  PatBlt(dc, 0, 0, width, height, colour);
}

// Copies the cells of `from` (`count` squares of `fromSize`) into `to` (cells of `width` by
// `height`) in one stretch. Nearest pixels, no blending: an image and its mask stay in step, and
// no cell bleeds into the next.
void Stretch(HDC dc, HBITMAP from, int fromSize, HBITMAP to, int width, int height, int count) {
  const ui::UniqueMemoryDc target(CreateCompatibleDC(dc));
  const ui::SelectScope source(dc, from);
  const ui::SelectScope destination(target.Get(), to);
  SetStretchBltMode(target.Get(), COLORONCOLOR);
  StretchBlt(target.Get(), 0, 0, width * count, height, dc, 0, 0, fromSize * count, fromSize,
             SRCCOPY);
}

}  // namespace

IconStrip::IconStrip(int count, int cellSize)
    : count_(count),
      cellSize_(cellSize),
      dc_(CreateCompatibleDC(nullptr)),
      images_(DisplayBitmap(count * cellSize, cellSize)),
      masks_(MaskBitmap(count * cellSize, cellSize)) {
  if (!dc_ || !images_ || !masks_)
    return;
  // An empty cell: black, and transparent through its mask.
  Fill(dc_.Get(), images_.Get(), count * cellSize, cellSize, BLACKNESS);
  Fill(dc_.Get(), masks_.Get(), count * cellSize, cellSize, WHITENESS);
}

void IconStrip::Draw(int index, HICON icon) {
  if (!icon || !images_ || !masks_ || index < 0 || index >= count_)
    return;
  const int x = index * cellSize_;
  {
    const ui::SelectScope select(dc_.Get(), images_.Get());
    DrawIconEx(dc_.Get(), x, 0, icon, cellSize_, cellSize_, 0, nullptr, DI_IMAGE);
  }
  const ui::SelectScope select(dc_.Get(), masks_.Get());
  DrawIconEx(dc_.Get(), x, 0, icon, cellSize_, cellSize_, 0, nullptr, DI_MASK);
}

bool IconStrip::AddTo(ui::ImageList& list) const {
  if (!images_ || !masks_ || count_ <= 0)
    return false;
  const int width = list.Width();
  const int height = list.Height();
  if (width == cellSize_ && height == cellSize_)
    return list.AddMasked(images_.Get(), masks_.Get()) >= 0;
  const ui::UniqueBitmap images = DisplayBitmap(width * count_, height);
  const ui::UniqueBitmap masks = MaskBitmap(width * count_, height);
  if (!images || !masks)
    return false;
  Stretch(dc_.Get(), images_.Get(), cellSize_, images.Get(), width, height, count_);
  Stretch(dc_.Get(), masks_.Get(), cellSize_, masks.Get(), width, height, count_);
  return list.AddMasked(images.Get(), masks.Get()) >= 0;
}

}  // namespace velmora
