#pragma once
// Fonts described at 96 DPI; the handles are made per DPI and shared by every control that
// uses the same description.
#include <windows.h>
#include <map>
#include <string>
#include <tuple>

#include "ui/Handles.h"

namespace velmora::ui {

struct FontSpec {
  std::string face;  // in the system code page
  int height = 12;   // character height in pixels at 96 DPI
  BYTE charset = DEFAULT_CHARSET;
  COLORREF color = CLR_DEFAULT;  // CLR_DEFAULT: the system's window-text colour
  bool bold = false;
};

class FontCache {
 public:
  HFONT Get(const FontSpec& wanted, int dpi);
  void Clear() { fonts_.clear(); }

 private:
  std::map<std::tuple<std::string, int, BYTE, bool, int>, UniqueFont> fonts_;
};

// A colour that names a system colour, as 0x80000000 | COLOR_xxx, is resolved when drawing.
inline constexpr COLORREF kSystemColorFlag = 0x80000000;
inline constexpr COLORREF SystemColor(int index) {
  return kSystemColorFlag | index;
}
inline COLORREF ResolveColor(COLORREF color) {
  return (color & 0xFF000000) == kSystemColorFlag ? GetSysColor(color & 0xFF) : color;
}
// The colour a font's text is drawn in: its own, or the system's window-text colour.
inline COLORREF TextColor(const FontSpec& font) {
  return font.color == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : ResolveColor(font.color);
}

// A whole-number pixel size at 96 DPI scaled to the given DPI.
inline int ScaleToDpi(int value, int dpi) {
  return MulDiv(value, dpi, 96);
}

}  // namespace velmora::ui
