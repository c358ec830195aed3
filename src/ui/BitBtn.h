#pragma once
// A push button with a glyph beside its text, drawn for the window's DPI. Each glyph bitmap holds
// two square images side by side, the normal one and its grey twin for the disabled button; the
// colour of its bottom-left pixel is drawn transparent.
#include <vector>

#include "ui/StdControls.h"
#include "ui/TransparentBitmap.h"

namespace velmora::ui {

class BitBtn : public Button {
 public:
  BitBtn(Widget& parent, int id, Bounds bounds, std::string text, std::vector<PictureSource> glyphs,
         bool isDefault);

 protected:
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  DpiBitmap glyphs_;
  bool isDefault_;
};

}  // namespace velmora::ui
