// The same-work baseline of the start-up benchmark: what Velmora does from its start until its
// window is shown with a target from the command line, written out as straight Win32 calls,
// without the toolkit and without Velmora's settings file.
//
//   PlainWindow TARGET
//
// Under the same manifest (common controls 6, per-monitor DPI awareness) it initialises COM and
// the common controls, creates Velmora's window with the same controls (classes, styles, texts,
// places, fonts), fills the window-state box and the drive list, and shows the target: its path,
// the folders of its folder, its icon read as Velmora reads it for that kind of file (the first
// stored icon of a program, the shell's icon of anything else), the list of its icons as Velmora
// fills it, and the proposed name, selected and focused. It accepts dropped files, shows the
// window and closes on WM_CLOSE. See bench/README.md for where it still differs from Velmora.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <winnetwk.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/MainTexts.h"
#include "base/ComApartment.h"
#include "base/KernelHandles.h"
#include "shortcut/Destination.h"
#include "ui/Handles.h"

namespace {

namespace text = velmora::text;
using velmora::kDestinationRows;
using velmora::UniqueFind;
using velmora::UniqueModule;
using velmora::ui::SelectScope;
using velmora::ui::UniqueBitmap;
using velmora::ui::UniqueFont;
using velmora::ui::UniqueIcon;
using velmora::ui::UniqueImageList;
using velmora::ui::UniqueMemoryDc;
using velmora::ui::WindowDcScope;

constexpr char kClassName[] = "PlainWindow";
constexpr int kIconId = 1;
constexpr int kDpi96 = 96;
constexpr int kFontHeight = 12;  // character height at 96 DPI
constexpr SIZE kClientSize96 = {513, 348};
constexpr int kIconImageSize = 16;  // the icon list's images and cells at 96 DPI
constexpr int kIconCellSize = 20;
constexpr DWORD kNameSize = MAX_PATH + 1;  // volume and network names
constexpr int kFirstId = 100;

// The controls, in Velmora's creation (and tab) order.
enum Row {
  kLabel1,
  kLabel2,
  kLabel3,
  kLabel4,
  kTargetEdit,
  kBrowseButton,
  kNameEdit,
  kParameterEdit,
  kDestinationGroup,
  kDestination0,
  kDestination1,
  kDestination2,
  kDestination3,
  kDestination4,
  kDestination5,
  kSuffixCheck,
  kWindowStateCombo,
  kIconGroup,
  kIconFrame,
  kIconPreview,
  kIconFileEdit,
  kIconBrowseButton,
  kIconList,
  kFolderGroup,
  kDriveCombo,
  kFolderList,
  kCreateButton,
  kCloseButton,
  kRowCount
};

// One radio button a destination, at the places below.
static_assert(std::size(kDestinationRows) == kDestination5 - kDestination0 + 1);

struct Child {
  const char* className;
  const char* text;
  DWORD style;
  DWORD exStyle;
  RECT place;  // left, top, width, height at 96 DPI in the main window's client area
  bool bold;
};

constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kReadOnly = ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kButton = WS_TABSTOP;
constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_DISABLED;
constexpr DWORD kGroup = BS_GROUPBOX;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP;
constexpr DWORD kStateBox = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kPreview = SS_ICON | SS_CENTERIMAGE;
constexpr DWORD kIconCells = LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN | LBS_NOTIFY |
                             WS_HSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kDrives = CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kFolders = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS |
                           LBS_DISABLENOSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kSunken = WS_EX_CLIENTEDGE;
// The list of a drop-down combo box gets its height from the window's.
constexpr int kDropDown = 160;

// Velmora's layout: where Velmora nests a control in a group box or panel, the control sits at
// the same place in the main window here, as in a dialog template. The labels have the size
// Velmora fits them to.
const Child kChildren[kRowCount] = {
    {"STATIC", text::kLabel1, kLabel, 0, {16, 16, 94, 13}, false},
    {"STATIC", text::kLabel2, kLabel, 0, {16, 64, 132, 13}, true},
    {"STATIC", text::kLabel3, kLabel, 0, {192, 64, 52, 13}, false},
    {"STATIC", text::kLabel4, kLabel, 0, {32, 290, 80, 13}, false},
    {"EDIT", "", kReadOnly, kSunken, {16, 32, 201, 20}, false},
    {"BUTTON", text::kButton1, kButton, 0, {224, 32, 33, 20}, false},
    {"EDIT", "", kEdit, kSunken, {16, 80, 161, 20}, false},
    {"EDIT", "", kEdit, kSunken, {192, 80, 65, 20}, false},
    {"BUTTON", text::kRadioGroup1, kGroup, 0, {16, 112, 241, 145}, false},
    {"BUTTON", kDestinationRows[0].caption, kFirstRadio, 0, {24, 126, 115, 42}, false},
    {"BUTTON", kDestinationRows[1].caption, kRadio, 0, {24, 168, 115, 42}, false},
    {"BUTTON", kDestinationRows[2].caption, kRadio, 0, {24, 210, 115, 42}, false},
    {"BUTTON", kDestinationRows[3].caption, kRadio, 0, {139, 126, 115, 42}, false},
    {"BUTTON", kDestinationRows[4].caption, kRadio, 0, {139, 168, 115, 42}, false},
    {"BUTTON", kDestinationRows[5].caption, kRadio, 0, {139, 210, 115, 42}, false},
    {"BUTTON", text::kCheckBox1, kCheck, 0, {16, 264, 201, 17}, false},
    {"COMBOBOX", "", kStateBox, 0, {128, 286, 129, 20 + kDropDown}, false},
    {"BUTTON", text::kGroupBox1, kGroup, 0, {272, 8, 225, 145}, false},
    {"STATIC", "", SS_ETCHEDFRAME, 0, {290, 26, 40, 40}, false},
    {"STATIC", "", kPreview, 0, {292, 28, 36, 36}, false},
    {"EDIT", "", kReadOnly, kSunken, {336, 24, 145, 20}, false},
    {"BUTTON", text::kButton2, kButton, 0, {336, 48, 145, 18}, false},
    {"LISTBOX", "", kIconCells, kSunken, {288, 72, 192, 64}, false},
    {"BUTTON", text::kGroupBox2, kGroup | WS_DISABLED, 0, {272, 160, 225, 145}, false},
    {"COMBOBOX", "", kDrives, 0, {288, 280, 192, 18 + kDropDown}, false},
    {"LISTBOX", "", kFolders, kSunken, {288, 176, 192, 97}, false},
    {"BUTTON", text::kBitBtn1, kDefaultButton, 0, {16, 316, 369, 25}, true},
    {"BUTTON", text::kBitBtn2, kButton, 0, {400, 316, 97, 25}, false},
};

// What the window procedure needs: the icon list's images, the control that gets the focus when
// the window is activated, and the DPI.
HIMAGELIST g_iconImages = nullptr;
HWND g_focus = nullptr;
int g_dpi = kDpi96;

int Scale(int value) {
  return MulDiv(value, g_dpi, kDpi96);
}

HFONT CreateWindowFont(bool bold) {
  LOGFONTA font{};
  font.lfHeight = -Scale(kFontHeight);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(font.lfFaceName, text::kFontFace, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

void DrawIconCell(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int count = ImageList_GetImageCount(g_iconImages);
  if (item.itemID < static_cast<UINT>(count)) {
    const int size = Scale(kIconImageSize);
    ImageList_Draw(g_iconImages, static_cast<int>(item.itemID), item.hDC,
                   (item.rcItem.left + item.rcItem.right - size) / 2,
                   (item.rcItem.top + item.rcItem.bottom - size) / 2, ILD_TRANSPARENT);
  }
  if (item.itemState & ODS_FOCUS)
    DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (item.CtlID != kFirstId + kIconList)
        break;
      item.itemHeight = static_cast<UINT>(Scale(kIconCellSize));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlID != kFirstId + kIconList)
        break;
      DrawIconCell(item);
      return TRUE;
    }
    case WM_ACTIVATE:
      // As in a dialog, the focus goes to the control that had it, not to the window.
      if (LOWORD(wparam) == WA_INACTIVE) {
        g_focus = GetFocus();
      } else if (g_focus != nullptr) {
        SetFocus(g_focus);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

bool CreateChildren(HWND parent, HINSTANCE instance, HFONT font, HFONT bold,
                    std::array<HWND, kRowCount>& windows) {
  for (int row = 0; row < kRowCount; ++row) {
    const Child& child = kChildren[row];
    const HWND hwnd = CreateWindowExA(
        child.exStyle, child.className, child.text, WS_CHILD | WS_VISIBLE | child.style,
        Scale(child.place.left), Scale(child.place.top), Scale(child.place.right),
        Scale(child.place.bottom), parent, reinterpret_cast<HMENU>(INT_PTR{kFirstId + row}),
        instance, nullptr);
    if (hwnd == nullptr)
      return false;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(child.bold ? bold : font), FALSE);
    windows[static_cast<size_t>(row)] = hwnd;
  }
  return true;
}

// The first destination selected, the check box checked, the window states offered: Velmora's
// defaults, which its settings file of the benchmark leaves as they are.
void SetChoices(const std::array<HWND, kRowCount>& windows) {
  SendMessageA(windows[kDestination0], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(windows[kSuffixCheck], BM_SETCHECK, BST_CHECKED, 0);
  const HWND states = windows[kWindowStateCombo];
  for (const char* state : text::kWindowStates)
    SendMessageA(states, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(state));
  SendMessageA(states, CB_SETCURSEL, 0, 0);
}

// Every drive with its volume label (a network drive with its share's name), as the drive list
// shows them; a removable drive is not asked, since that could wait for its medium.
void FillDriveList(HWND list, char currentDrive) {
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const DWORD drives = GetLogicalDrives();
  int current = -1;
  for (int bit = 0; bit < 26; ++bit) {
    if ((drives & (1ul << bit)) == 0)
      continue;
    const char letter = static_cast<char>('a' + bit);
    const char root[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR)
      continue;
    std::string item{letter, ':'};
    char name[kNameSize] = "";
    if (type == DRIVE_REMOTE) {
      const char device[] = {static_cast<char>(letter - 'a' + 'A'), ':', '\0'};
      DWORD size = kNameSize;
      if (WNetGetConnectionA(device, name, &size) != NO_ERROR)
        GetVolumeInformationA(root, name, kNameSize, nullptr, nullptr, nullptr, nullptr, 0);
    } else if (type != DRIVE_REMOVABLE) {
      GetVolumeInformationA(root, name, kNameSize, nullptr, nullptr, nullptr, nullptr, 0);
    }
    if (type != DRIVE_REMOVABLE)
      item += std::string(" [") + name + "]";
    const LRESULT index =
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if ((letter | 0x20) == (currentDrive | 0x20))
      current = static_cast<int>(index);
  }
  SetErrorMode(oldMode);
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(current), 0);
}

// The folder's path, one item a level, then its subfolders in the system's order.
void FillFolderList(HWND list, const std::string& folder) {
  std::vector<std::string> items;
  size_t start = 0;
  for (size_t slash = folder.find('\\'); slash != std::string::npos;
       slash = folder.find('\\', start)) {
    items.push_back(folder.substr(start, start == 0 ? slash + 1 : slash - start));
    start = slash + 1;
  }
  if (start < folder.size())
    items.push_back(folder.substr(start));
  const int open = static_cast<int>(items.size()) - 1;

  std::vector<std::string> subfolders;
  WIN32_FIND_DATAA found;
  const UniqueFind find(FindFirstFileA((folder + "\\*.*").c_str(), &found));
  if (find) {
    do {
      const std::string name = found.cFileName;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
          (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0 &&
          name != "." && name != "..") {
        subfolders.push_back(name);
      }
    } while (FindNextFileA(find.Get(), &found));
  }
  std::sort(subfolders.begin(), subfolders.end(), [](const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_LESS_THAN;
  });
  items.insert(items.end(), subfolders.begin(), subfolders.end());
  for (const std::string& item : items)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(open), 0);
}

bool IsProgram(const std::string& path) {
  return path.size() > 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".exe") == 0;
}

HICON ShellIcon(const std::string& path) {
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) == 0)
    return nullptr;
  return info.hIcon;
}

BOOL CALLBACK AddGroupName(HMODULE, LPCSTR, LPSTR name, LONG_PTR groups) {
  auto& names = *reinterpret_cast<std::vector<std::string>*>(groups);
  names.push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                       : std::string(name));
  return TRUE;
}

// The icon of a group of the program's resources, made at `size` from the image the system picks
// for that size, as ExtractIconExA does.
HICON StoredIcon(HMODULE module, const std::string& group, int size) {
  const HRSRC groupResource = FindResourceA(module, group.c_str(), RT_GROUP_ICON);
  const HGLOBAL groupData = groupResource ? LoadResource(module, groupResource) : nullptr;
  if (groupData == nullptr)
    return nullptr;
  const int imageId = LookupIconIdFromDirectoryEx(static_cast<BYTE*>(LockResource(groupData)), TRUE,
                                                  size, size, LR_DEFAULTCOLOR);
  const HRSRC imageResource =
      imageId ? FindResourceA(module, MAKEINTRESOURCEA(imageId), RT_ICON) : nullptr;
  const HGLOBAL imageData = imageResource ? LoadResource(module, imageResource) : nullptr;
  if (imageData == nullptr)
    return nullptr;
  return CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(imageData)),
                                  SizeofResource(module, imageResource), TRUE, 0x00030000, size,
                                  size, LR_DEFAULTCOLOR);
}

UniqueBitmap ScreenBitmap(int width, int height) {
  const WindowDcScope screen(nullptr);
  return UniqueBitmap(CreateCompatibleBitmap(screen.Dc(), width, height));
}

UniqueBitmap MaskBitmap(int width, int height) {
  return UniqueBitmap(CreateBitmap(width, height, 1, 1, nullptr));
}

// Velmora's way to fill the icon list: every icon drawn at the large size into one strip of
// images and one of masks, the strips shrunk to the list's size in one stretch each, and added
// to the list in one call. A program's icons come from its resources; a file without icons of
// its own gets the shell's icon.
void FillIconList(HIMAGELIST images, const std::string& path, int count, HICON shellIcon) {
  const int cell = GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(g_dpi));
  const int cells = std::max(count, 1);
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const UniqueBitmap large = ScreenBitmap(cells * cell, cell);
  const UniqueBitmap largeMasks = MaskBitmap(cells * cell, cell);
  if (!dc || !large || !largeMasks)
    return;
  // An empty cell: black, and transparent through its mask.
  const std::pair<HBITMAP, DWORD> fills[] = {{large.Get(), BLACKNESS},
                                             {largeMasks.Get(), WHITENESS}};
  for (const auto& [bitmap, fill] : fills) {
    const SelectScope select(dc.Get(), bitmap);
    PatBlt(dc.Get(), 0, 0, cells * cell, cell, fill);
  }
  auto draw = [&](int index, HICON icon) {
    {
      const SelectScope select(dc.Get(), large.Get());
      DrawIconEx(dc.Get(), index * cell, 0, icon, cell, cell, 0, nullptr, DI_IMAGE);
    }
    const SelectScope select(dc.Get(), largeMasks.Get());
    DrawIconEx(dc.Get(), index * cell, 0, icon, cell, cell, 0, nullptr, DI_MASK);
  };
  if (count == 0) {
    draw(0, shellIcon);
  } else {
    // As a data file: nothing of it runs.
    const UniqueModule module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    std::vector<std::string> groups;
    if (module) {
      EnumResourceNamesA(module.Get(), RT_GROUP_ICON, &AddGroupName,
                         reinterpret_cast<LONG_PTR>(&groups));
    }
    for (int i = 0; i < count; ++i) {
      UniqueIcon icon;
      if (static_cast<int>(groups.size()) == count) {
        icon.Reset(StoredIcon(module.Get(), groups[static_cast<size_t>(i)], cell));
      } else {
        HICON extracted = nullptr;
        ExtractIconExA(path.c_str(), i, &extracted, nullptr, 1);
        icon.Reset(extracted);
      }
      if (icon)
        draw(i, icon.Get());
    }
  }

  const int size = Scale(kIconImageSize);
  const UniqueBitmap shrunk = ScreenBitmap(cells * size, size);
  const UniqueBitmap shrunkMasks = MaskBitmap(cells * size, size);
  const UniqueMemoryDc target(CreateCompatibleDC(dc.Get()));
  const std::pair<HBITMAP, HBITMAP> stretches[] = {{large.Get(), shrunk.Get()},
                                                   {largeMasks.Get(), shrunkMasks.Get()}};
  for (const auto& [from, to] : stretches) {
    const SelectScope source(dc.Get(), from);
    const SelectScope destination(target.Get(), to);
    SetStretchBltMode(target.Get(), COLORONCOLOR);
    StretchBlt(target.Get(), 0, 0, cells * size, size, dc.Get(), 0, 0, cells * cell, cell, SRCCOPY);
  }
  ImageList_Add(images, shrunk.Get(), shrunkMasks.Get());
}

std::string LongPath(const char* argument) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(argument, MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH)
    return argument;
  char longPath[MAX_PATH];
  const DWORD longLength = GetLongPathNameA(full, longPath, MAX_PATH);
  return longLength == 0 || longLength >= MAX_PATH ? std::string(full) : std::string(longPath);
}

// The target as Velmora shows it: its path, its folder in the folder list, its icon and the list
// of its icons, and its name without the extension proposed for the shortcut.
void ShowTarget(HINSTANCE instance, const std::array<HWND, kRowCount>& windows, HIMAGELIST images,
                UniqueIcon& preview, const char* argument) {
  const std::string path = LongPath(argument);
  SetWindowTextA(windows[kTargetEdit], path.c_str());
  EnableWindow(windows[kCreateButton], TRUE);
  const size_t slash = path.find_last_of('\\');
  const std::string folder = path.substr(0, slash == 2 ? 3 : slash);
  FillFolderList(windows[kFolderList], folder);

  if (IsProgram(path)) {
    const HICON stored = ExtractIconA(instance, path.c_str(), 0);
    // 1 says that the file is no program after all.
    preview.Reset(reinterpret_cast<UINT_PTR>(stored) > 1 ? stored : nullptr);
  } else {
    preview.Reset(ShellIcon(path));
  }
  SendMessageA(windows[kIconPreview], STM_SETICON, reinterpret_cast<WPARAM>(preview.Get()), 0);

  const int count = static_cast<int>(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0));
  EnableWindow(windows[kIconList], count > 0);
  FillIconList(images, path, count, preview.Get());
  SendMessageA(windows[kIconList], LB_SETCOUNT,
               static_cast<WPARAM>(ImageList_GetImageCount(images)), 0);
  SendMessageA(windows[kIconList], LB_SETCURSEL, 0, 0);

  std::string name = path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0)
    name.resize(dot);
  SetWindowTextA(windows[kNameEdit], name.c_str());
  SendMessageA(windows[kNameEdit], EM_SETSEL, 0, -1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2)
    return 2;
  const velmora::ComApartment com;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  char startFolder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, startFolder);

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

  g_dpi = static_cast<int>(GetDpiForSystem());
  const UniqueImageList images(ImageList_Create(Scale(kIconImageSize), Scale(kIconImageSize),
                                                ILC_COLORDDB | ILC_MASK, 0, 4));
  g_iconImages = images.Get();
  const UniqueFont font(CreateWindowFont(false));
  const UniqueFont bold(CreateWindowFont(true));

  // Placed in the middle of the work area from the start, as Velmora is once shown. As in a
  // dialog, the window paints its background under the group boxes, which paint only a frame.
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame = {0, 0, Scale(kClientSize96.cx), Scale(kClientSize96.cy)};
  AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_CONTROLPARENT, static_cast<UINT>(g_dpi));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const HWND hwnd = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, text::kAppTitle, style,
                                    area.left + (area.right - area.left - width) / 2,
                                    area.top + (area.bottom - area.top - height) / 2, width, height,
                                    nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr)
    return 1;
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);

  std::array<HWND, kRowCount> windows{};
  if (!CreateChildren(hwnd, instance, font.Get(), bold.Get(), windows))
    return 1;
  SetChoices(windows);
  FillDriveList(windows[kDriveCombo], startFolder[0]);
  SendMessageA(windows[kIconList], LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Scale(kIconCellSize)), 0);

  DragAcceptFiles(hwnd, TRUE);
  UniqueIcon preview;
  ShowTarget(instance, windows, images.Get(), preview, __argv[1]);
  g_focus = windows[kNameEdit];
  ShowWindow(hwnd, SW_SHOWNORMAL);
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
