#include "icons/ImageListBox.h"

#include <cstdlib>

#include "ui/Font.h"
#include "ui/ItemDrawFrame.h"
#include "ui/Superclass.h"

namespace velmora {

namespace {
// The list box redraws what changes itself; redrawing the whole control on every resize would
// only flicker.
constexpr unsigned kRedrawOnResize = CS_HREDRAW | CS_VREDRAW;
}  // namespace

TCustomImageListBox::TCustomImageListBox(ui::Widget& parent, int id, ui::Bounds bounds)
    : ListBox(parent, id, bounds, {}) {
  SetItemHeight(20);
}

TCustomImageListBox::~TCustomImageListBox() {
  if (images_)
    images_->Unsubscribe(*this);
}

LRESULT TCustomImageListBox::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return HasWindow() ? SendMessageA(Handle(), message, wParam, lParam) : 0;
}

void TCustomImageListBox::Invalidate() const {
  if (HasWindow())
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TCustomImageListBox::SetStyleFlag(bool& flag, bool value) {
  if (flag == value)
    return;
  flag = value;
  Recreate();
}

void TCustomImageListBox::SetBorderStyle(TBorderStyle style) {
  if (borderStyle_ == style)
    return;
  borderStyle_ = style;
  Recreate();
}

void TCustomImageListBox::SetExtendedSelect(bool value) {
  SetStyleFlag(extendedSelect_, value);
}
void TCustomImageListBox::SetIntegralHeight(bool value) {
  SetStyleFlag(integralHeight_, value);
}
void TCustomImageListBox::SetMultiColumn(bool value) {
  SetStyleFlag(multiColumn_, value);
}
void TCustomImageListBox::SetMultiSelect(bool value) {
  SetStyleFlag(multiSelect_, value);
}

int TCustomImageListBox::AutomaticSize(int imageSize) const {
  return images_ ? imageSize : std::abs(Scale(Font().height));
}

int TCustomImageListBox::EffectiveColumnWidth() const {
  return columnWidth_ > 0 ? columnWidth_ : AutomaticSize(images_ ? images_->Width() : 0);
}

int TCustomImageListBox::EffectiveItemHeight() const {
  return itemHeight_ > 0 ? itemHeight_ : AutomaticSize(images_ ? images_->Height() : 0);
}

void TCustomImageListBox::SetColumnWidth(int width) {
  // Sent on every assignment, the same value included.
  columnWidth_ = width > 0 ? width : 0;
  Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(EffectiveColumnWidth()));
  Invalidate();
}

void TCustomImageListBox::SetItemHeight(int height) {
  if (height != itemHeight_) {
    itemHeight_ = height > 0 ? height : 0;
    Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(EffectiveItemHeight(), 0));
  }
  Invalidate();
}

void TCustomImageListBox::SetImages(ui::ImageList* images) {
  // Not compared with the list shown: the subscription is renewed and stays single.
  if (images_)
    images_->Unsubscribe(*this);
  images_ = images;
  if (images_)
    images_->Subscribe(*this);
  ImagesChanged(images_);
}

void TCustomImageListBox::ImagesChanged(ui::ImageList*) {
  if (!HasWindow())
    return;
  Send(LB_SETCOUNT, static_cast<WPARAM>(images_ ? images_->Count() : 0));
  Invalidate();
}

void TCustomImageListBox::ImageListChanged(ui::ImageList& list) {
  ImagesChanged(&list);
}

void TCustomImageListBox::ImageListDestroyed(ui::ImageList& list) {
  if (&list == images_)
    SetImages(nullptr);
}

ui::ControlStyle TCustomImageListBox::CreationStyle() const {
  DWORD style = WS_TABSTOP | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | LBS_NODATA |
                LBS_OWNERDRAWFIXED | LBS_NOTIFY;
  if (multiSelect_)
    style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!integralHeight_)
    style |= LBS_NOINTEGRALHEIGHT;
  if (multiColumn_)
    style |= LBS_MULTICOLUMN;
  // Controls are drawn 3-D: a single border is the sunken client edge, not WS_BORDER.
  const DWORD exStyle = borderStyle_ == TBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0;
  return {ui::RegisterSuperclass("TImageListBox", "LISTBOX", kRedrawOnResize), style, exStyle};
}

void TCustomImageListBox::OnWindowCreated() {
  ImagesChanged(images_);
  Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(EffectiveColumnWidth()));
  Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(EffectiveItemHeight(), 0));
  // A new window starts without a selection, also when it replaces one that had one.
  SetItemIndex(-1);
}

void TCustomImageListBox::OnFontChanged() {
  // Automatic cells without images follow the font, which a new DPI changes too.
  Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(EffectiveColumnWidth()));
  Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(EffectiveItemHeight(), 0));
  Invalidate();
}

bool TCustomImageListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  // 0 in automatic mode: the window gets its height by message right after it is created.
  item.itemHeight = static_cast<UINT>(itemHeight_);
  return true;
}

bool TCustomImageListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  // Every request repaints the whole cell, whatever its action: background or highlight, the
  // image (or nothing for the focus cell of an empty list), then the focus frame.
  const ui::ItemDrawFrame frame(item, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
  canvas_ = &frame;
  if (frame.Index() >= 0)
    DrawItem(frame.Index(), item.rcItem, item.itemState);
  canvas_ = nullptr;
  return true;
}

void TCustomImageListBox::DrawItem(int index, const RECT& rect, UINT) {
  if (!canvas_)
    return;
  canvas_->Fill(rect);
  if (!images_ || index < 0 || index >= images_->Count())
    return;
  // Centred; of an odd leftover the extra pixel falls to the right or bottom.
  const int x = (rect.left + rect.right - images_->Width()) / 2;
  const int y = (rect.top + rect.bottom - images_->Height()) / 2;
  // Through the mask: the cell's background (or highlight) shows around the image.
  ImageList_DrawEx(images_->Handle(), index, canvas_->Dc(), x, y, 0, 0, 0, 0, ILD_TRANSPARENT);
}

LRESULT TCustomImageListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A carriage return would only beep: the Enter key itself is handled at key-down.
  if (message == WM_CHAR && wParam == '\r')
    return 0;
  if (message == WM_THEMECHANGED) {
    // The border is chosen by the drawing style, which a theme change may change.
    Recreate();
    return 0;
  }
  return ListBox::OnMessage(message, wParam, lParam);
}

}  // namespace velmora
