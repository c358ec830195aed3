#pragma once
// A push button with a 16 x 16 glyph beside its text. The glyph bitmap holds two images side by
// side, the normal one and its grey twin for the disabled button; the colour of its bottom-left
// pixel is drawn transparent.
#include "ui/StdControls.h"
#include "ui/TransparentBitmap.h"

namespace velmora::ui {

class BitBtn : public Button {
 public:
  BitBtn(Widget& parent, int id, Bounds bounds, std::string text, int glyphResource,
         bool isDefault);

 protected:
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  int glyphResource_;
  bool isDefault_;
  TransparentBitmap glyphs_;
};

}  // namespace velmora::ui
