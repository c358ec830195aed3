// The second baseline of the start-up benchmark: what any program of Velmora's kind loads and
// does before its window is on the screen, and nothing of Velmora's own. It runs under the same
// manifest (common controls 6, per-monitor DPI awareness), initialises COM, really uses shell32
// and ole32 (the shell's icon of its own file, one shell link object made and released), and
// shows a window of thirty child controls in the Japanese font, then closes on WM_CLOSE.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <iterator>
#include <memory>
#include <string_view>

#include "TypicalWindowTexts.h"

namespace {

using namespace typical_window;

constexpr char kClassName[] = "TypicalWindow";
constexpr int kIconId = 1;
constexpr int kFontHeight = 12;  // character height in pixels at 96 DPI
constexpr int kDpi96 = 96;

class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialized_)
      CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

class Font {
 public:
  explicit Font(HFONT font) : font_(font) {}
  ~Font() {
    if (font_ != nullptr)
      DeleteObject(font_);
  }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

// The shell's icon for the program's own file, as a program shows a file's icon; destroyed at
// once, since only the loading counts.
void LoadOwnShellIcon() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(std::size(path)));
  if (n == 0 || n >= std::size(path))
    return;
  SHFILEINFOA info = {};
  if (SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON) != 0 &&
      info.hIcon != nullptr) {
    DestroyIcon(info.hIcon);
  }
}

struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};

// The shell link object that a program of this kind writes its links through, released at once.
void TouchShellLink() {
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    const std::unique_ptr<IShellLinkA, ComReleaser> owner(link);
  }
}

int ScreenDpi() {
  struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
  } screen;
  return GetDeviceCaps(screen.dc, LOGPIXELSY);
}

struct Child {
  const char* className;
  const char* text;
  DWORD style;
  int x, y, width, height;
};

constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kGroup = BS_GROUPBOX;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;

// Thirty controls laid out at 96 DPI over a client area of Velmora's size (513 by 348).
const Child kChildren[] = {
    {"STATIC", kLabels[0], 0, 16, 16, 120, 12},
    {"EDIT", "", kEdit, 16, 32, 201, 20},
    {"BUTTON", kButtons[0], kTab, 224, 32, 33, 20},
    {"STATIC", kLabels[1], 0, 16, 64, 120, 12},
    {"EDIT", "", kEdit, 16, 80, 161, 20},
    {"STATIC", kLabels[2], 0, 192, 64, 52, 12},
    {"EDIT", "", kEdit, 192, 80, 65, 20},
    {"BUTTON", kGroups[0], kGroup, 16, 112, 241, 73},
    {"BUTTON", kRadios[0], kRadio | WS_GROUP, 28, 130, 110, 17},
    {"BUTTON", kRadios[1], kRadio, 28, 154, 110, 17},
    {"BUTTON", kRadios[2], kRadio, 140, 130, 110, 17},
    {"BUTTON", kRadios[3], kRadio, 140, 154, 110, 17},
    {"BUTTON", kChecks[0], kCheck | WS_GROUP, 16, 192, 201, 17},
    {"BUTTON", kChecks[1], kCheck, 16, 216, 201, 17},
    {"BUTTON", kChecks[2], kCheck, 16, 240, 201, 17},
    {"BUTTON", kChecks[3], kCheck, 16, 264, 201, 17},
    {"STATIC", kLabels[3], 0, 16, 290, 100, 12},
    {"COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, 128, 286, 129, 100},
    {"BUTTON", kGroups[1], kGroup, 272, 8, 225, 145},
    {"LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | kTab, 288, 26, 193, 80},
    {"EDIT", "", kEdit, 288, 120, 89, 20},
    {"BUTTON", kButtons[1], kTab, 384, 120, 46, 20},
    {"BUTTON", kButtons[2], kTab, 435, 120, 46, 20},
    {"STATIC", kLabels[4], 0, 272, 164, 120, 12},
    {"EDIT", "", kEdit, 272, 180, 172, 20},
    {"BUTTON", kButtons[3], kTab, 451, 180, 46, 20},
    {"STATIC", kLabels[5], 0, 272, 212, 120, 12},
    {"EDIT", "", kEdit | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 272, 228, 225, 77},
    {"BUTTON", kButtons[4], BS_DEFPUSHBUTTON | kTab, 16, 316, 369, 25},
    {"BUTTON", kButtons[5], kTab, 400, 316, 97, 25},
};
static_assert(std::size(kChildren) == 30);

int Scale(int value, int dpi) {
  return MulDiv(value, dpi, kDpi96);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

bool CreateChildren(HWND parent, HINSTANCE instance, HFONT font, int dpi) {
  int id = 100;
  for (const Child& child : kChildren) {
    DWORD exStyle = std::string_view(child.className) == "EDIT" ? WS_EX_CLIENTEDGE : 0;
    HWND hwnd = CreateWindowExA(
        exStyle, child.className, child.text, WS_CHILD | WS_VISIBLE | child.style,
        Scale(child.x, dpi), Scale(child.y, dpi), Scale(child.width, dpi), Scale(child.height, dpi),
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    if (hwnd == nullptr)
      return false;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (std::string_view(child.className) == "LISTBOX") {
      for (const char* item : kListItems)
        SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    } else if (std::string_view(child.className) == "COMBOBOX") {
      for (const char* item : kComboItems)
        SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      SendMessageA(hwnd, CB_SETCURSEL, 0, 0);
    }
  }
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const ComApartment com;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  LoadOwnShellIcon();
  TouchShellLink();

  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                           LR_SHARED));
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExA(&wc))
    return 1;

  const int dpi = ScreenDpi();
  const Font font(CreateFontA(-Scale(kFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace));

  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame = {0, 0, Scale(513, dpi), Scale(348, dpi)};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  HWND hwnd = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, kTitle, style, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr)
    return 1;
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  if (!CreateChildren(hwnd, instance, font.get(), dpi))
    return 1;
  DragAcceptFiles(hwnd, TRUE);
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(hwnd, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
