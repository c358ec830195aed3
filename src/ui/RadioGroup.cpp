#include "ui/RadioGroup.h"

namespace velmora::ui {

namespace {
// Text height of the group's font at 96 DPI, used to keep the items below the caption.
constexpr int kCaptionHeight = 12;
}  // namespace

RadioGroup::RadioGroup(Widget& parent, int id, Bounds bounds, std::string caption,
                       const std::vector<std::string>& items, int columns, int firstItemId)
    : GroupBox(parent, id, bounds, std::move(caption)) {
  const int count = static_cast<int>(items.size());
  const int perColumn = (count + columns - 1) / columns;
  const int buttonWidth = (bounds.width - 10) / columns;
  const int inner = bounds.height - kCaptionHeight - 5;
  const int buttonHeight = inner / perColumn;
  const int topMargin = kCaptionHeight + 1 + (inner % perColumn) / 2;
  for (int i = 0; i < count; ++i) {
    Bounds place{(i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                 buttonWidth, buttonHeight};
    // The first item starts the group for the arrow keys; the tab stop follows the selection.
    const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
    buttons_.push_back(std::make_unique<Item>(*this, i, firstItemId + i, place, items[i], style));
    const int index = i;
    buttons_.back()->onClick = [this, index] {
      if (SendMessageA(buttons_[index]->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        SetItemIndex(index);
      }
    };
  }
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(buttons_.size()))
    index = -1;
  const bool changed = index != itemIndex_;
  itemIndex_ = index;
  ShowSelection();
  if (changed && index != -1 && onClick)
    onClick();
}

void RadioGroup::ShowSelection() {
  // Each change of style or check costs a round of messages: only what differs is changed.
  for (size_t i = 0; i < buttons_.size(); ++i) {
    HWND button = buttons_[i]->Handle();
    if (!button)
      continue;
    const int index = static_cast<int>(i);
    const WPARAM check = IsSelected(index) ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageA(button, BM_GETCHECK, 0, 0)) != check)
      SendMessageA(button, BM_SETCHECK, check, 0);
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    const LONG_PTR tabStop = static_cast<LONG_PTR>(WS_TABSTOP);
    const LONG_PTR wanted = HasTabStop(index) ? (style | tabStop) : (style & ~tabStop);
    if (wanted != style)
      SetWindowLongPtrA(button, GWL_STYLE, wanted);
  }
}

RadioGroup::Item::Item(RadioGroup& group, int index, int id, Bounds bounds, std::string text,
                       DWORD style)
    : Button(group, id, bounds, std::move(text), style), group_(group), index_(index) {}

ControlStyle RadioGroup::Item::CreationStyle() const {
  ControlStyle look = Button::CreationStyle();
  if (!group_.HasTabStop(index_))
    look.style &= ~static_cast<DWORD>(WS_TABSTOP);
  return look;
}

void RadioGroup::Item::OnWindowCreated() {
  if (group_.IsSelected(index_))
    SendMessageA(Handle(), BM_SETCHECK, BST_CHECKED, 0);
}

}  // namespace velmora::ui
