#include "ui/Window.h"

#include "base/WideText.h"
#include "ui/Application.h"
#include "ui/Control.h"

namespace velmora::ui {

LRESULT Widget::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, result))
    return result;
  return CallDefault(message, wParam, lParam);
}

bool Widget::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  Control* child = nullptr;
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0)
        child = ChildByHandle(reinterpret_cast<HWND>(lParam));
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU)
        child = ChildByHandle(item->hwndItem);
      break;
    }
    case WM_MEASUREITEM: {
      // Sent while the child is being created, before its window is bound: found by its ID.
      auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU)
        break;
      child = ChildById(static_cast<int>(item->CtlID));
      break;
    }
    case WM_DELETEITEM:
      // One for every item a list drops, thousands at a time: found by its ID, which costs no
      // call to the system, and answered here.
      child = ChildById(static_cast<int>(wParam));
      if (!child || !child->KeepsNoItemData())
        return false;
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      child = ChildByHandle(reinterpret_cast<HWND>(lParam));
      break;
    default:
      return false;
  }
  return child && child->Reflect(message, wParam, lParam, result);
}

Control* Widget::ChildById(int id) const {
  for (Control* candidate : children_) {
    if (candidate->Id() == id)
      return candidate;
  }
  return nullptr;
}

Control* Widget::ChildByHandle(HWND window) const {
  if (!window)
    return nullptr;
  for (Control* candidate : children_) {
    if (candidate->Handle() == window)
      return candidate;
  }
  return nullptr;
}

void Widget::SetFont(const FontSpec& font) {
  font_ = font;
  ApplyFontToTree();
}

void Widget::SetFontColor(COLORREF color) {
  FontSpec font = Font();
  if (font.color == color)
    return;
  font.color = color;
  SetFont(font);
}

void Widget::ApplyFontToTree() {
  if (hwnd_) {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().Get(Font(), Dpi())), TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
    OnFontChanged();
  }
  for (Control* child : children_) {
    if (!child->font_)
      child->ApplyFontToTree();
  }
}

bool Widget::Enabled() const {
  return hwnd_ ? IsWindowEnabled(hwnd_) != FALSE : enabled_;
}

void Widget::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (hwnd_)
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

std::string Widget::Text() const {
  if (!hwnd_)
    return text_;
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
  const int length = GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

std::wstring Widget::WideText() const {
  if (!hwnd_)
    return wideText_.empty() ? ToWide(text_).value_or(std::wstring()) : wideText_;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  const int length = GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

void Widget::SetText(const std::string& text) {
  text_ = text;
  wideText_.clear();
  if (hwnd_)
    SetWindowTextA(hwnd_, text.c_str());
}

void Widget::CreateChildWindows() {
  for (Control* child : children_) {
    if (!child->IsDeferred())
      child->CreateWindowNow();
  }
}

void Widget::CreateDeferredWindows() {
  for (Control* child : children_) {
    if (!child->HasWindow() && hwnd_)
      child->CreateWindowNow();
    child->CreateDeferredWindows();
  }
}

void Widget::MoveChildrenToScale() {
  for (Control* child : children_)
    child->MoveToScale();
}

Form::~Form() {
  if (hwnd_)
    DestroyWindow(hwnd_);
}

void Form::CreateForm(const char* className, DWORD style, DWORD exStyle, SIZE client96,
                      HICON bigIcon, HICON smallIcon) {
  HINSTANCE instance = ApplicationInstance();
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (!GetClassInfoExA(instance, className, &windowClass)) {
    windowClass.lpfnWndProc = &Widget::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    windowClass.hIcon = bigIcon;
    windowClass.hIconSm = smallIcon;
    RegisterClassExA(&windowClass);
  }
  dpi_ = static_cast<int>(GetDpiForSystem());
  RECT frame{0, 0, Scale(client96.cx), Scale(client96.cy)};
  AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi_));
  CreateWindowExA(exStyle, className, text_.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                  this);
  if (!hwnd_)
    return;
  // The window may sit on a monitor whose DPI differs from the system's.
  const int windowDpi = static_cast<int>(GetDpiForWindow(hwnd_));
  if (windowDpi != dpi_ && windowDpi > 0) {
    dpi_ = windowDpi;
    frame = RECT{0, 0, Scale(client96.cx), Scale(client96.cy)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi_));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts().Get(Font(), dpi_)), FALSE);
  CreateChildWindows();
}

void Form::CenterOnScreen() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FocusControl(const Control& control) {
  focusOnActivate_ = control.Handle();
  if (IsWindowVisible(hwnd_) && GetActiveWindow() == hwnd_)
    SetFocus(control.Handle());
}

void Form::RestoreFocus() {
  HWND target = focusOnActivate_;
  if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowEnabled(target))
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  if (target)
    SetFocus(target);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE) {
    // The focus leaves with the window and comes back to the same control, as in a dialog.
    if (LOWORD(wParam) == WA_INACTIVE) {
      HWND focus = GetFocus();
      if (focus && IsChild(hwnd_, focus))
        focusOnActivate_ = focus;
    } else {
      RestoreFocus();
    }
    return 0;
  }
  if (message == WM_SETFOCUS) {
    RestoreFocus();
    return 0;
  }
  if (message == WM_DPICHANGED) {
    OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  if (message == WM_NEXTDLGCTL) {
    // The dialog manager moves the focus (Tab, Shift+Tab) by this message, which only a
    // dialog's own window procedure answers.
    MoveFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                             : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0));
    return 0;
  }
  return Widget::OnMessage(message, wParam, lParam);
}

void Form::MoveFocus(HWND control) {
  if (!control)
    return;
  SetFocus(control);
  // As in dialogs, an edit reached by the keyboard has its text selected.
  if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageA(control, EM_SETSEL, 0, -1);
  }
}

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  MoveChildrenToScale();
  ApplyFontToTree();
}

}  // namespace velmora::ui
