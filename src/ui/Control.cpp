#include "ui/Control.h"

#include "base/WideText.h"
#include "ui/Application.h"

namespace velmora::ui {

Control::Control(Widget& parent, int id, Bounds bounds, std::string text, ControlStyle look)
    : Widget(&parent), id_(id), bounds_(bounds), look_(look) {
  text_ = std::move(text);
  AddChild(parent, *this);
}

Control::~Control() {
  if (hwnd_) {
    HWND window = hwnd_;
    Unbind();
    DestroyWindow(window);
  }
}

void Control::CreateWindowNow() {
  if (hwnd_ || !parent_->Handle())
    return;
  const ControlStyle look = CreationStyle();
  DWORD style = look.style | WS_CHILD | WS_VISIBLE;
  if (!enabled_)
    style |= WS_DISABLED;
  const SIZE frame = FrameSize();
  const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_));
  if (look.unicode) {
    hwnd_ = CreateWindowExW(look.exStyle, ToWide(look.className).value_or(std::wstring()).c_str(),
                            WideText().c_str(), style, Scale(bounds_.left), Scale(bounds_.top),
                            frame.cx, frame.cy, parent_->Handle(), menu, ApplicationInstance(),
                            nullptr);
  } else {
    hwnd_ = CreateWindowExA(look.exStyle, look.className, text_.c_str(), style, Scale(bounds_.left),
                            Scale(bounds_.top), frame.cx, frame.cy, parent_->Handle(), menu,
                            ApplicationInstance(), nullptr);
  }
  if (!hwnd_)
    return;
  // Deferral is about the first window only: a recreated parent makes this one again too.
  deferred_ = false;
  Bind(hwnd_);

  // Keep the tab order of the layout: right after the previous sibling that has a window.
  HWND previous = HWND_TOP;
  for (Control* sibling : parent_->Children()) {
    if (sibling == this)
      break;
    if (sibling->hwnd_)
      previous = sibling->hwnd_;
  }
  // A control made in layout order is already there (HWND_TOP is null, as is the first one's
  // predecessor); moving it anyway costs a round of messages.
  if (GetWindow(hwnd_, GW_HWNDPREV) != previous)
    SetWindowPos(hwnd_, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().Get(Font(), Dpi())), FALSE);
  CreateChildWindows();
  OnWindowCreated();
}

void Control::Recreate() {
  if (!hwnd_)
    return;
  const bool hadFocus = GetFocus() == hwnd_;
  // Children go with the old window and are created again with the new one.
  SaveTreeState();
  HWND old = hwnd_;
  Unbind();
  DestroyWindow(old);
  CreateWindowNow();
  if (hadFocus && hwnd_)
    SetFocus(hwnd_);
}

void Control::SaveWindowState() {
  text_ = Text();
  wideText_ = IsWindowUnicode(hwnd_) ? WideText() : std::wstring();
  enabled_ = IsWindowEnabled(hwnd_) != FALSE;
}

void Control::SaveTreeState() {
  if (!hwnd_)
    return;
  SaveWindowState();
  for (Control* child : children_)
    child->SaveTreeState();
}

SIZE Control::FrameSize() {
  return SIZE{Scale(bounds_.width), Scale(bounds_.height + ExtraCreationHeight())};
}

void Control::MoveToScale() {
  if (hwnd_) {
    const SIZE frame = FrameSize();
    MoveWindow(hwnd_, Scale(bounds_.left), Scale(bounds_.top), frame.cx, frame.cy, TRUE);
  }
  MoveChildrenToScale();
}

bool Control::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      result = 0;
      return OnCommand(HIWORD(wParam));
    case WM_DRAWITEM:
      result = TRUE;
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
      result = TRUE;
      return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    default:
      return ReflectColor(message, wParam, result);
  }
}

bool Control::OnCommand(WORD) {
  return false;
}
bool Control::OnDrawItem(const DRAWITEMSTRUCT&) {
  return false;
}
bool Control::OnMeasureItem(MEASUREITEMSTRUCT&) {
  return false;
}

bool Control::ReflectColor(UINT message, WPARAM wParam, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      const COLORREF color = Font().color;
      if (color == CLR_DEFAULT)
        return false;
      result = parent_->CallDefault(message, wParam, reinterpret_cast<LPARAM>(hwnd_));
      SetTextColor(reinterpret_cast<HDC>(wParam), ResolveColor(color));
      return true;
    }
    default:
      return false;
  }
}

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && onKeyDown) {
    const auto held = [](int key) { return GetKeyState(key) < 0; };
    onKeyDown(static_cast<WORD>(wParam), {held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)});
  }
  return Widget::OnMessage(message, wParam, lParam);
}

}  // namespace velmora::ui
