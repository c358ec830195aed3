#include "ui/TransparentBitmap.h"

#include "ui/Application.h"
#include "ui/Font.h"
#include "ui/PictureSize.h"

namespace velmora::ui {

bool TransparentBitmap::Load(HINSTANCE instance, const char* name, int imageWidth) {
  images_.Reset();
  UniqueBitmap bitmap(
      static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap)
    return false;
  BITMAP info{};
  if (!GetObjectA(bitmap.Get(), sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
    return false;
  COLORREF transparent = 0;
  {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    SelectScope select(dc.Get(), bitmap.Get());
    transparent = GetPixel(dc.Get(), 0, info.bmHeight - 1);
  }
  width_ = imageWidth > 0 && imageWidth <= info.bmWidth ? imageWidth : info.bmWidth;
  height_ = info.bmHeight;
  images_.Reset(
      ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, info.bmWidth / width_, 0));
  if (!images_ || ImageList_AddMasked(images_.Get(), bitmap.Get(), transparent) < 0) {
    images_.Reset();
    return false;
  }
  return true;
}

void TransparentBitmap::Draw(HDC dc, int x, int y, int index) const {
  if (images_)
    ImageList_Draw(images_.Get(), index, dc, x, y, ILD_TRANSPARENT);
}

const TransparentBitmap& DpiBitmap::ForDpi(int dpi) const {
  if (dpi == dpi_ || sources_.empty())
    return bitmap_;
  dpi_ = dpi;
  std::vector<int> widths;
  for (const PictureSource& source : sources_)
    widths.push_back(source.width);
  const PictureSource& source =
      sources_[PickPictureWidth(widths, ScaleToDpi(sources_.front().width, dpi))];
  // A size missing from the resources is shown by the picture for 96 DPI.
  if (!bitmap_.Load(ApplicationInstance(), source.resource, source.width))
    bitmap_.Load(ApplicationInstance(), sources_.front().resource, sources_.front().width);
  return bitmap_;
}

}  // namespace velmora::ui
