#include "ui/BitBtn.h"

namespace velmora::ui {

namespace {
constexpr int kSpacing = 4;  // between glyph and text, at 96 DPI
}  // namespace

BitBtn::BitBtn(Widget& parent, int id, Bounds bounds, std::string text,
               std::vector<PictureSource> glyphs, bool isDefault)
    : Button(parent, id, bounds, std::move(text), BS_OWNERDRAW),
      glyphs_(std::move(glyphs)),
      isDefault_(isDefault) {}

bool BitBtn::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const TransparentBitmap& glyph = glyphs_.ForDpi(Dpi());
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;

  FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
  if (isDefault_ || (item.itemState & ODS_FOCUS)) {
    // The default button wears a dark outer frame, as the system draws it.
    FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  const std::string caption = Text();
  SelectScope font(dc, Fonts().Get(Font(), Dpi()));
  RECT measure{0, 0, 0, 0};
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measure,
            DT_SINGLELINE | DT_CALCRECT);
  const int spacing = Scale(kSpacing);
  const int contentWidth = glyph.Width() + spacing + (measure.right - measure.left);
  const int shift = pressed ? 1 : 0;
  int x = face.left + (face.right - face.left - contentWidth) / 2 + shift;
  const int glyphTop = face.top + (face.bottom - face.top - glyph.Height()) / 2 + shift;
  glyph.Draw(dc, x, glyphTop, disabled ? 1 : 0);
  x += glyph.Width() + spacing;

  RECT textBox{x, face.top + shift, face.right, face.bottom + shift};
  SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    // Embossed grey text, like the system's own disabled buttons.
    OffsetRect(&textBox, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textBox,
              DT_SINGLELINE | DT_VCENTER);
    OffsetRect(&textBox, -1, -1);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textBox,
            DT_SINGLELINE | DT_VCENTER);

  if (item.itemState & ODS_FOCUS) {
    RECT focus = face;
    InflateRect(&focus, -Scale(3), -Scale(3));
    DrawFocusRect(dc, &focus);
  }
  return true;
}

}  // namespace velmora::ui
