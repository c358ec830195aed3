#pragma once
// Looks at icons and images as the user sees them, and counts what the process holds of the
// window system, for the tests of the icon choice.
#include <windows.h>
#include <commctrl.h>

#include "ui/Handles.h"

namespace velmora::testing {

// A white 64x64 32-bit surface to draw on and read back.
class Canvas {
 public:
  static constexpr int kSize = 64;
  Canvas();
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_.Get(); }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_.Get(), x, y); }

 private:
  ui::UniqueMemoryDc dc_;
  ui::UniqueBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

// The colour at (x, y) of an icon drawn at its own size over white.
COLORREF IconPixel(HICON icon, int x, int y);
// The colour at the icon's centre; white for no icon.
COLORREF IconCentre(HICON icon);
// The icon's width in pixels; 0 for no icon.
int IconWidth(HICON icon);
// The colour at (x, y) of an image of an image list drawn through its mask over white.
COLORREF ImagePixel(HIMAGELIST list, int index, int x, int y);
COLORREF ImageCentre(HIMAGELIST list, int index);

// What this process holds of the window system. GetGuiResources answers 0 under Wine, so the
// objects are found by their handles: GDI objects by GetObjectType over every handle value,
// icons and cursors by GetIconInfo over every user handle value (a handle without its upper
// word stands for every generation of its slot), windows by enumeration.
struct GuiObjects {
  int gdi = 0;
  int icons = 0;
  int windows = 0;
};
GuiObjects CountGuiObjects();

}  // namespace velmora::testing
