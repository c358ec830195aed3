#include "ui/StdControls.h"

#include <algorithm>

#include "base/WideText.h"
#include "ui/Application.h"
#include "ui/Handles.h"

namespace velmora::ui {

namespace {
constexpr char kPanelClass[] = "TPanel";

const char* RegisterPanelClass() {
  WNDCLASSEXA panel{};
  panel.cbSize = sizeof(panel);
  if (!GetClassInfoExA(ApplicationInstance(), kPanelClass, &panel)) {
    panel.lpfnWndProc = DefWindowProcA;
    panel.hInstance = ApplicationInstance();
    panel.hCursor = LoadCursor(nullptr, IDC_ARROW);
    panel.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    panel.lpszClassName = kPanelClass;
    RegisterClassExA(&panel);
  }
  return kPanelClass;
}
}  // namespace

Label::Label(Widget& parent, int id, Bounds bounds, std::string text)
    : Control(parent, id, bounds, std::move(text), {"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX}) {}

SIZE Label::FrameSize() {
  SIZE frame = Control::FrameSize();
  const std::string text = Text();
  if (text.empty())
    return frame;
  // Measured in a memory DC with the font the window gets: a window's DC costs the system more,
  // and the label needs no window to be measured before it is made.
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const SelectScope font(dc.Get(), Fonts().Get(Font(), Dpi()));
  RECT needed{};
  DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  frame.cx = std::max(frame.cx, needed.right);
  frame.cy = std::max(frame.cy, needed.bottom);
  return frame;
}

void Label::FitText() {
  if (!HasWindow())
    return;
  // Grows only, as when it was made: a label that has grown keeps its size.
  RECT window{};
  GetWindowRect(Handle(), &window);
  const SIZE wanted = FrameSize();
  const LONG width = std::max(window.right - window.left, wanted.cx);
  const LONG height = std::max(window.bottom - window.top, wanted.cy);
  if (width != window.right - window.left || height != window.bottom - window.top)
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Edit::Edit(Widget& parent, int id, Bounds bounds, Options options)
    : Control(parent, id, bounds, "",
              {"EDIT",
               static_cast<DWORD>(ES_AUTOHSCROLL | (options.readOnly ? ES_READONLY : 0) |
                                  (options.tabStop ? WS_TABSTOP : 0)),
               WS_EX_CLIENTEDGE, options.unicode}) {}

void Edit::SetText(const std::string& text) {
  // Compared as the window holds text: a Unicode edit's "café" reads "cafe" through Text().
  const std::optional<std::wstring> wide = ToWide(text);
  if (wide ? WideText() != *wide : Text() != text)
    Control::SetText(text);
}

void Edit::SelectAll() {
  if (HasWindow())
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

bool Edit::OnCommand(WORD code) {
  if (code != EN_CHANGE)
    return false;
  if (onChange)
    onChange();
  return true;
}

Button::Button(Widget& parent, int id, Bounds bounds, std::string text, DWORD style)
    : Control(parent, id, bounds, std::move(text), {"BUTTON", style | WS_TABSTOP}) {}

bool Button::OnCommand(WORD code) {
  if (code != BN_CLICKED)
    return false;
  if (onClick)
    onClick();
  return true;
}

CheckBox::CheckBox(Widget& parent, int id, Bounds bounds, std::string text)
    : Button(parent, id, bounds, std::move(text), BS_AUTOCHECKBOX) {}

bool CheckBox::Checked() const {
  return HasWindow() ? SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

void CheckBox::SetChecked(bool checked) {
  checked_ = checked;
  if (HasWindow())
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnWindowCreated() {
  SetChecked(checked_);
}

void CheckBox::SaveWindowState() {
  Button::SaveWindowState();
  checked_ = Checked();
}

ComboBox::ComboBox(Widget& parent, int id, Bounds bounds, std::vector<std::string> items,
                   DWORD style)
    : Control(parent, id, bounds, "", {"COMBOBOX", style | WS_VSCROLL | WS_TABSTOP}),
      items_(std::move(items)) {}

int ComboBox::ItemIndex() const {
  if (!HasWindow())
    return itemIndex_;
  // Typing into the field clears the list's selection even when the text is an item's, and the
  // list may hold a selection that the text no longer shows: the text decides.
  if ((GetWindowLongPtrA(Handle(), GWL_STYLE) & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST) {
    const std::string text = Text();
    if (text.empty())
      return -1;
    return static_cast<int>(SendMessageA(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(text.c_str())));
  }
  return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
  itemIndex_ = index;
  if (HasWindow())
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::SaveWindowState() {
  Control::SaveWindowState();
  itemIndex_ = ItemIndex();
}

void ComboBox::OnWindowCreated() {
  for (const std::string& item : items_) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

GroupBox::GroupBox(Widget& parent, int id, Bounds bounds, std::string text)
    : Control(parent, id, bounds, std::move(text),
              {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}) {}

LRESULT GroupBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    // The system's group box paints only its frame; as a parent it must fill the area its
    // children leave free.
    RECT area{};
    GetClientRect(Handle(), &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
  }
  if (message == WM_PAINT) {
    PaintScope paint(Handle());
    Paint(paint.Dc());
    return 0;
  }
  if (message == WM_PRINTCLIENT) {
    // Each themed child (a radio button) asks for what lies under it this way whenever it paints.
    // The system's group box would draw its whole themed frame again and ask its own parent in
    // turn, about 1 ms a child under Wine; ours is what shows anyway.
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const int state = SaveDC(dc);  // the child's DC goes back to the child as it came
    Paint(dc);
    RestoreDC(dc, state);
    return 0;
  }
  return Control::OnMessage(message, wParam, lParam);
}

void GroupBox::Paint(HDC dc) {
  // Drawn by us: a themed system group box ignores the caption colour that tells the user
  // whether the group is in use.
  SelectScope font(dc, Fonts().Get(Font(), Dpi()));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame{};
  GetClientRect(Handle(), &frame);
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  const std::string caption = Text();
  if (caption.empty())
    return;
  SetTextColor(dc, TextColor(Font()));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetBkMode(dc, OPAQUE);
  TextOutA(dc, Scale(8), 0, caption.c_str(), static_cast<int>(caption.size()));
}

Panel::Panel(Widget& parent, int id, Bounds bounds)
    : Control(parent, id, bounds, "",
              {RegisterPanelClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}) {}

LRESULT Panel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintScope paint(Handle());
    RECT frame{};
    GetClientRect(Handle(), &frame);
    DrawEdge(paint.Dc(), &frame, BDR_RAISEDOUTER, BF_RECT);
    InflateRect(&frame, -1, -1);
    DrawEdge(paint.Dc(), &frame, BDR_SUNKENINNER, BF_RECT);
    return 0;
  }
  return Control::OnMessage(message, wParam, lParam);
}

Picture::Picture(Widget& parent, int id, Bounds bounds)
    : Control(parent, id, bounds, "", {"STATIC", SS_OWNERDRAW}) {}

void Picture::SetIcon(UniqueIcon icon) {
  icon_ = std::move(icon);
  if (HasWindow())
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool Picture::OnDrawItem(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!icon_)
    return true;
  // Drawn at the large-icon size of this window's DPI, which is the size the icon was read at
  // unless the window has moved to a display of another DPI since.
  const int size = GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(Dpi()));
  const RECT& area = item.rcItem;
  DrawIconEx(item.hDC, (area.left + area.right - size) / 2, (area.top + area.bottom - size) / 2,
             icon_.Get(), size, size, 0, nullptr, DI_NORMAL);
  return true;
}

LRESULT Picture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // As a picture of the system's own: automation reads the icon shown.
  if (message == STM_GETICON)
    return reinterpret_cast<LRESULT>(icon_.Get());
  return Control::OnMessage(message, wParam, lParam);
}

ListBox::ListBox(Widget& parent, int id, Bounds bounds, ControlStyle look)
    : Control(parent, id, bounds, "", look) {}

int ListBox::ItemIndex() const {
  if (!HasWindow())
    return -1;
  return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
  if (HasWindow() && ItemIndex() != index)
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::Count() const {
  return HasWindow() ? static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)) : 0;
}

LRESULT ListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE)
    KeepFrame();
  return Control::OnMessage(message, wParam, lParam);
}

void ListBox::KeepFrame() {
  // A list box of whole rows cuts itself down to them whenever its client area changes, and a
  // scroll bar that comes or goes changes it: left alone the list only ever shrinks. So each
  // time the scroll bars change, the list box fits its rows again from the layout's frame.
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  if (style & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE))
    return;
  const DWORD bars = style & (WS_HSCROLL | WS_VSCROLL);
  if (bars == fittedBars_)
    return;
  fittedBars_ = bars;
  RECT window{};
  GetWindowRect(Handle(), &window);
  const SIZE frame = FrameSize();
  if (window.right - window.left != frame.cx || window.bottom - window.top != frame.cy)
    SetWindowPos(Handle(), nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ListBox::OnCommand(WORD code) {
  const Event* event = code == LBN_SELCHANGE ? &onClick
                       : code == LBN_DBLCLK  ? &onDblClick
                                             : nullptr;
  if (!event)
    return false;
  if (*event)
    (*event)();
  return true;
}

}  // namespace velmora::ui
