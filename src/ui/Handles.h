#pragma once
// Owners of the window and drawing handles the program holds.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <utility>

#include "base/Unique.h"

namespace velmora::ui {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ImageListDeleter {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct DropDeleter {
  void operator()(HDROP drop) const { DragFinish(drop); }
};
struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

using UniqueFont = Unique<HFONT, GdiObjectDeleter>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectDeleter>;
using UniqueBrush = Unique<HBRUSH, GdiObjectDeleter>;
using UniqueIcon = Unique<HICON, IconDeleter>;
using UniqueImageList = Unique<HIMAGELIST, ImageListDeleter>;
// A drop handle is finished (DragFinish) when its owner goes out of scope.
using UniqueDrop = Unique<HDROP, DropDeleter>;
using UniqueMemoryDc = Unique<HDC, MemoryDcDeleter>;

// Selects a GDI object into a device context for the length of a scope.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectScope() { SelectObject(dc_, old_); }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's device context outside WM_PAINT (GetDC/ReleaseDC).
class WindowDcScope {
 public:
  explicit WindowDcScope(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDcScope() {
    if (dc_)
      ReleaseDC(window_, dc_);
  }
  WindowDcScope(const WindowDcScope&) = delete;
  WindowDcScope& operator=(const WindowDcScope&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace velmora::ui
