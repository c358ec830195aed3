#include "IconProbe.h"

namespace velmora::testing {

namespace {

struct IconBitmaps {
  explicit IconBitmaps(HICON icon) {
    if (icon && GetIconInfo(icon, &info)) {
      color.Reset(info.hbmColor);
      mask.Reset(info.hbmMask);
    }
  }
  ICONINFO info{};
  ui::UniqueBitmap color;
  ui::UniqueBitmap mask;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// A top-level window of this process with all its descendants.
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, &CountChild, count);
  }
  return TRUE;
}

}  // namespace

Canvas::Canvas() : dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = kSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  old_ = SelectObject(dc_.Get(), bitmap_.Get());
  PatBlt(dc_.Get(), 0, 0, kSize, kSize, WHITENESS);
}

Canvas::~Canvas() {
  SelectObject(dc_.Get(), old_);
}

COLORREF IconPixel(HICON icon, int x, int y) {
  const Canvas canvas;
  if (icon)
    DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  return canvas.Pixel(x, y);
}

int IconWidth(HICON icon) {
  const IconBitmaps bitmaps(icon);
  BITMAP mask{};
  if (!bitmaps.mask || !GetObjectA(bitmaps.mask.Get(), sizeof(mask), &mask))
    return 0;
  return mask.bmWidth;
}

COLORREF IconCentre(HICON icon) {
  const int size = IconWidth(icon);
  return IconPixel(icon, size / 2, size / 2);
}

COLORREF ImagePixel(HIMAGELIST list, int index, int x, int y) {
  const Canvas canvas;
  ImageList_Draw(list, index, canvas.Dc(), 0, 0, ILD_TRANSPARENT);
  return canvas.Pixel(x, y);
}

COLORREF ImageCentre(HIMAGELIST list, int index) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(list, &width, &height);
  return ImagePixel(list, index, width / 2, height / 2);
}

GuiObjects CountGuiObjects() {
  GuiObjects counts;
  for (UINT_PTR value = 1; value <= 0xFFFF; ++value) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0)
      ++counts.gdi;
  }
  // User handles are (slot << 1) + 0x20 in their lower word.
  for (UINT_PTR value = 0x20; value <= 0xFFFF; value += 2) {
    if (IconBitmaps(reinterpret_cast<HICON>(value)).mask)
      ++counts.icons;
  }
  EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
  return counts;
}

}  // namespace velmora::testing
