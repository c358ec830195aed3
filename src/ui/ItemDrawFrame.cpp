#include "ui/ItemDrawFrame.h"

namespace velmora::ui {

ItemDrawFrame::ItemDrawFrame(const DRAWITEMSTRUCT& item, COLORREF background, COLORREF text)
    : item_(item), background_(background) {
  if (Index() >= 0 && (item.itemState & ODS_SELECTED)) {
    background_ = GetSysColor(COLOR_HIGHLIGHT);
    text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  oldText_ = SetTextColor(item.hDC, text);
  oldBackground_ = SetBkColor(item.hDC, background_);
  Fill(item.rcItem);
}

ItemDrawFrame::~ItemDrawFrame() {
  if (item_.itemState & ODS_FOCUS)
    DrawFocusRect(item_.hDC, &item_.rcItem);
  SetTextColor(item_.hDC, oldText_);
  SetBkColor(item_.hDC, oldBackground_);
}

void ItemDrawFrame::Fill(const RECT& area) const {
  // ETO_OPAQUE fills with the background colour without a brush to make and free.
  ExtTextOutA(item_.hDC, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

}  // namespace velmora::ui
