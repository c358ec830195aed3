#pragma once
// The frame every owner-drawn list item is drawn in: the item's background filled with the
// control's colour, or the highlight colour when the item is selected, text colours to match,
// and, once the item is drawn, the focus rectangle of the focused item.
#include <windows.h>

namespace velmora::ui {

class ItemDrawFrame {
 public:
  // `background` and `text` are the control's own colours (resolved, not system indices).
  ItemDrawFrame(const DRAWITEMSTRUCT& item, COLORREF background, COLORREF text);
  // Draws the focus rectangle after the item, and gives the device context its colours back.
  ~ItemDrawFrame();
  ItemDrawFrame(const ItemDrawFrame&) = delete;
  ItemDrawFrame& operator=(const ItemDrawFrame&) = delete;

  HDC Dc() const { return item_.hDC; }
  const RECT& Rect() const { return item_.rcItem; }
  // The item's index; negative for the focus cell of an empty list.
  int Index() const { return static_cast<int>(item_.itemID); }
  COLORREF Background() const { return background_; }
  // Fills a rectangle with the item's background.
  void Fill(const RECT& area) const;

 private:
  const DRAWITEMSTRUCT& item_;
  COLORREF background_;
  COLORREF oldText_;
  COLORREF oldBackground_;
};

}  // namespace velmora::ui
