#include "Driver.h"

#include <shlobj.h>
#include <shellapi.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <iterator>

#include "DropBlock.h"
#include "app/ControlIds.h"
#include "base/KernelHandles.h"
#include "base/SystemMessage.h"
#include "base/WideText.h"

namespace velmora::e2e {

namespace {

constexpr char kMainClass[] = "TForm1";
constexpr char kDialogClass[] = "#32770";
constexpr wchar_t kConfirmCaption[] = L"確認";
constexpr wchar_t kErrorCaption[] = L"Velmora";
constexpr int kConfirmTextId = 100;
// The file-name field of the explorer-style open dialog: a combo box, or an edit in older
// layouts.
constexpr int kFileNameComboId = 0x47C;  // cmb13
constexpr int kFileNameEditId = 0x480;   // edt1
// A message to a window of the program must not hang the test when the program hangs.
constexpr UINT kSendTimeoutMs = 5000;
constexpr DWORD kPollMs = 30;

std::string ClassOf(HWND window) {
  char name[64] = {};
  const int length = GetClassNameA(window, name, static_cast<int>(std::size(name)));
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result)) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

// A window search through EnumWindows or EnumChildWindows: the first window that matches, of
// the given process when one is given.
struct WindowSearch {
  DWORD processId;
  const std::function<bool(HWND)>* match;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (search->processId != 0) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) {
      return TRUE;
    }
  }
  if ((*search->match)(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& match) {
  WindowSearch search{0, &match, nullptr};
  EnumChildWindows(parent, MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ParentOf(const std::string& folder) {
  const std::size_t slash = folder.find_last_of('\\');
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

bool SameKey(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = Unique<HKEY, KeyCloser>;

HKEY OpenKey(HKEY root, const std::string& subKey, REGSAM access, bool create) {
  HKEY key = nullptr;
  const LSTATUS status =
      create ? RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr)
             : RegOpenKeyExA(root, subKey.c_str(), 0, access, &key);
  return status == ERROR_SUCCESS ? key : nullptr;
}

LPARAM KeyParam(UINT virtualKey, bool release, bool alt) {
  const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
  DWORD value = 1 | (scan << 16);
  if (alt) {
    value |= 1u << 29;
  }
  if (release) {
    value |= 0xC0000000u;
  }
  return static_cast<LPARAM>(value);
}

HWND FileNameField(HWND dialog) {
  const HWND field = GetDlgItem(dialog, kFileNameComboId);
  return field != nullptr ? field : GetDlgItem(dialog, kFileNameEditId);
}

// Puts the text on the clipboard as CF_UNICODETEXT. The clipboard takes data only from an
// owner window: a message-only window of this process.
bool PutOnClipboard(const std::wstring& text) {
  static const HWND owner =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  // Wine's clipboard manager may hold the clipboard for a moment.
  if (owner == nullptr || !WaitUntil([] { return OpenClipboard(owner) != FALSE; }, 3000))
    return false;
  EmptyClipboard();
  const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  void* data = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (data != nullptr) {
    std::memcpy(data, text.c_str(), size);
    GlobalUnlock(memory);
  }
  // The clipboard owns the memory once it has taken it.
  const bool put = data != nullptr && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!put && memory != nullptr)
    GlobalFree(memory);
  CloseClipboard();
  return put;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    if (condition()) {
      return true;
    }
    if (GetTickCount64() - start > timeoutMs) {
      return false;
    }
    Sleep(kPollMs);
  }
}

FileCleanup::FileCleanup(std::string path) : path_(std::move(path)) {
  RemoveTree(path_);
}

FileCleanup::~FileCleanup() {
  RemoveTree(path_);
}

std::string ReportedReason(DWORD code) {
  std::string reason = SystemMessage(code);
  if (reason.ends_with("\x81\x42"))
    reason.resize(reason.size() - 2);
  return reason;
}

Sandbox::Sandbox() : Sandbox(std::string(), std::string()) {}

Sandbox::Sandbox(const std::string& settings) : Sandbox(settings, std::string()) {}

Sandbox::Sandbox(const std::string& settings, const std::string& disk) {
  static unsigned counter = 0;
  folder_ = (disk.empty() ? TempFolder() : disk) + "\\VelmoraE2e_" +
            std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
  RemoveTree(folder_);
  MakeFolder(folder_);
  // The tests live in tests\ of the build tree, the program in the tree itself.
  const std::string program = ParentOf(testing::TestProgramFolder()) + "\\Velmora.exe";
  ready_ = CopyFileA(program.c_str(), Executable().c_str(), FALSE) != FALSE;
  if (ready_ && !settings.empty())
    WriteSettings(settings);
}

Sandbox::~Sandbox() {
  RemoveTree(folder_);
}

void Sandbox::WriteSettings(const std::string& contents) const {
  MakeFile(SettingsPath(), contents);
}

std::string Sandbox::ReadSettings() const {
  return ReadWholeFile(SettingsPath());
}

std::optional<std::string> Sandbox::Setting(const std::string& key) const {
  const std::string contents = ReadSettings();
  bool inSection = false;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    if (end == std::string::npos) {
      end = contents.size();
    }
    std::string line = contents.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    line = Trimmed(line);
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      inSection = close != std::string::npos && SameKey(line.substr(1, close - 1), "Window");
      continue;
    }
    const std::size_t equals = line.find('=');
    if (inSection && equals != std::string::npos && SameKey(Trimmed(line.substr(0, equals)), key)) {
      return Trimmed(line.substr(equals + 1));
    }
  }
  return std::nullopt;
}

App::App(const Sandbox& sandbox, const std::string& arguments)
    : App(sandbox, LaunchOptions{arguments, std::nullopt, std::string(), std::wstring()}) {}

App::App(const Sandbox& sandbox, const LaunchOptions& options) {
  const std::string program = sandbox.Executable();
  std::string commandLine = "\"" + program + "\"";
  if (!options.arguments.empty()) {
    commandLine += " " + options.arguments;
  }
  std::wstring wideCommandLine = ToWide(commandLine).value_or(std::wstring());
  if (!options.wideArguments.empty()) {
    wideCommandLine += L" " + options.wideArguments;
  }
  const std::string current =
      options.currentFolder.empty() ? sandbox.Folder() : options.currentFolder;
  const std::wstring wideCurrent = ToWide(current).value_or(std::wstring());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (options.showWindow) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = *options.showWindow;
  }
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(ToWide(program).value_or(std::wstring()).c_str(), wideCommandLine.data(),
                      nullptr, nullptr, FALSE, 0, nullptr, wideCurrent.c_str(), &startup,
                      &started)) {
    return;
  }
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  threadId_ = started.dwThreadId;
}

App::~App() {
  if (process_ == nullptr) {
    return;
  }
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kExitTimeoutMs);
  }
  CloseHandle(process_);
}

bool App::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool App::WaitForExit(DWORD timeoutMs) {
  if (process_ == nullptr) {
    return false;
  }
  if (WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0) {
    return true;
  }
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, kExitTimeoutMs);
  return false;
}

bool App::CloseWindow() {
  Click(id::kBitBtn2);
  return WaitForExit();
}

bool App::StaysOpen(DWORD quietMs) const {
  const ULONGLONG start = GetTickCount64();
  while (GetTickCount64() - start < quietMs) {
    if (!Running() || VisibleWindow() == nullptr) {
      return false;
    }
    Sleep(kPollMs);
  }
  return Running() && VisibleWindow() != nullptr;
}

HWND App::FindTopLevel(const std::function<bool(HWND)>& match) const {
  if (processId_ == 0) {
    return nullptr;
  }
  WindowSearch search{processId_, &match, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND App::VisibleWindow() const {
  if (process_ == nullptr) {
    return nullptr;
  }
  return FindTopLevel(
      [](HWND window) { return ClassOf(window) == kMainClass && IsWindowVisible(window); });
}

HWND App::WaitForWindow(DWORD timeoutMs) {
  WaitUntil(
      [this] {
        window_ = VisibleWindow();
        return window_ != nullptr || !Running();
      },
      timeoutMs);
  return window_;
}

HWND App::Control(int id) const {
  if (window_ == nullptr) {
    return nullptr;
  }
  return FindDescendant(window_, [id](HWND child) { return GetDlgCtrlID(child) == id; });
}

std::string App::Text(int id) const {
  return TextOf(Control(id));
}

bool App::IsEnabled(int id) const {
  const HWND control = Control(id);
  return control != nullptr && IsWindowEnabled(control) != FALSE;
}

bool App::IsChecked(int id) const {
  const HWND control = Control(id);
  return control != nullptr && SendWithTimeout(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int App::ComboSelection(int id) const {
  const HWND control = Control(id);
  return control == nullptr ? INT_MIN
                            : static_cast<int>(SendWithTimeout(control, CB_GETCURSEL, 0, 0));
}

int App::ListCount(int id) const {
  const HWND control = Control(id);
  return control == nullptr ? INT_MIN
                            : static_cast<int>(SendWithTimeout(control, LB_GETCOUNT, 0, 0));
}

int App::ListSelection(int id) const {
  const HWND control = Control(id);
  return control == nullptr ? INT_MIN
                            : static_cast<int>(SendWithTimeout(control, LB_GETCURSEL, 0, 0));
}

HWND App::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (threadId_ == 0 || !GetGUIThreadInfo(threadId_, &info)) {
    return nullptr;
  }
  return info.hwndFocus;
}

int App::FocusId() const {
  const HWND focus = Focus();
  return focus == nullptr ? 0 : GetDlgCtrlID(focus);
}

RECT App::ControlRect(int id) const {
  RECT rect{};
  const HWND control = Control(id);
  if (control == nullptr) {
    return rect;
  }
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE App::ClientSize() const {
  RECT client{};
  GetClientRect(window_, &client);
  return SIZE{client.right - client.left, client.bottom - client.top};
}

void App::Click(int id) const {
  PostMessageA(Control(id), BM_CLICK, 0, 0);
}

RECT App::ListItemRect(int id, int index) const {
  RECT item{};
  SendWithTimeout(Control(id), LB_GETITEMRECT, static_cast<WPARAM>(index),
                  reinterpret_cast<LPARAM>(&item));
  return item;
}

void App::ClickListItem(int id, int index) const {
  const HWND list = Control(id);
  const RECT item = ListItemRect(id, index);
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
}

void App::SetText(int id, const std::string& text) const {
  SendWithTimeout(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool App::Paste(int id, const std::wstring& text) const {
  const HWND field = Control(id);
  if (field == nullptr || !PutOnClipboard(text))
    return false;
  SendWithTimeout(field, EM_SETSEL, 0, -1);
  SendWithTimeout(field, WM_PASTE, 0, 0);
  return true;
}

void App::Type(int id, const std::wstring& text) const {
  const HWND field = Control(id);
  for (const wchar_t character : text)
    PostMessageW(field, WM_CHAR, character, 1);
}

void App::PressKey(UINT virtualKey) const {
  HWND target = Focus();
  if (target == nullptr) {
    target = window_;
  }
  PostMessageA(target, WM_KEYDOWN, virtualKey, KeyParam(virtualKey, false, false));
  PostMessageA(target, WM_KEYUP, virtualKey, KeyParam(virtualKey, true, false));
}

void App::PressAltKey(char letter) const {
  HWND target = Focus();
  if (target == nullptr) {
    target = window_;
  }
  // The virtual key of a letter is its capital; the character the system makes is lower case.
  const int character = std::tolower(static_cast<unsigned char>(letter));
  const UINT key = static_cast<UINT>(std::toupper(character));
  PostMessageA(target, WM_SYSCHAR, static_cast<WPARAM>(character), KeyParam(key, false, true));
}

bool App::Drop(const std::vector<std::string>& paths) const {
  return PostDrop(testing::DropBlock(paths));
}

bool App::Drop(const std::vector<std::wstring>& paths) const {
  return PostDrop(testing::DropBlock(paths));
}

bool App::PostDrop(const std::string& block) const {
  // A drop handle is a fixed global block, whose handle is its address: a block written into
  // the program's memory is what the shell would hand it.
  void* remote =
      VirtualAllocEx(process_, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote == nullptr) {
    return false;
  }
  SIZE_T written = 0;
  if (!WriteProcessMemory(process_, remote, block.data(), block.size(), &written) ||
      written != block.size()) {
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    return false;
  }
  return PostMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

HWND App::WaitForBox(const std::function<bool(HWND)>& match, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindTopLevel([&match](HWND window) {
          return ClassOf(window) == kDialogClass && IsWindowVisible(window) && match(window);
        });
        return found != nullptr || !Running();
      },
      timeoutMs);
  return found;
}

HWND App::WaitForConfirmBox(DWORD timeoutMs) const {
  return WaitForBox([](HWND box) { return WideTextOf(box) == kConfirmCaption; }, timeoutMs);
}

HWND App::WaitForErrorBox(DWORD timeoutMs) const {
  return WaitForBox([](HWND box) { return WideTextOf(box) == kErrorCaption; }, timeoutMs);
}

std::string App::AnswerErrorBox(DWORD timeoutMs) const {
  const HWND box = WaitForErrorBox(timeoutMs);
  const std::string text = BoxText(box);
  return box != nullptr && Answer(box, IDOK) ? text : "(no error box)";
}

HWND App::WaitForFileDialog(DWORD timeoutMs) const {
  return WaitForBox(
      [](HWND box) {
        const std::wstring caption = WideTextOf(box);
        return caption != kConfirmCaption && caption != kErrorCaption;
      },
      timeoutMs);
}

HWND App::AnyBox() const {
  return FindTopLevel(
      [](HWND window) { return ClassOf(window) == kDialogClass && IsWindowVisible(window); });
}

std::string App::BoxText(HWND box) {
  const HWND text = GetDlgItem(box, kConfirmTextId);
  if (text != nullptr && lstrcmpiA(ClassOf(text).c_str(), "Static") == 0) {
    return TextOf(text);
  }
  // Otherwise the first static that shows text rather than an icon.
  return TextOf(FindDescendant(box, [](HWND child) {
    return lstrcmpiA(ClassOf(child).c_str(), "Static") == 0 &&
           (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON && !TextOf(child).empty();
  }));
}

bool App::Answer(HWND box, int buttonId) {
  const HWND button = GetDlgItem(box, buttonId);
  if (button == nullptr) {
    return false;
  }
  PostMessageA(button, BM_CLICK, 0, 0);
  return WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, kBoxTimeoutMs);
}

std::string App::OfferedFileName(HWND dialog) {
  return TextOf(FileNameField(dialog));
}

bool App::ChooseFile(HWND dialog, const std::string& name) {
  const HWND field = FileNameField(dialog);
  if (field == nullptr) {
    return false;
  }
  SendWithTimeout(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  return Answer(dialog, IDOK);
}

bool App::CancelDialog(HWND dialog) {
  return Answer(dialog, IDCANCEL);
}

std::string App::TextOf(HWND window) {
  if (window == nullptr) {
    return {};
  }
  // The length may count characters rather than bytes: room for two bytes each.
  const LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) * 2 + 2, '\0');
  const LRESULT copied = SendWithTimeout(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                         reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? std::strlen(text.c_str()) : 0);
  return text;
}

std::wstring App::WideTextOf(HWND window) {
  if (window == nullptr) {
    return {};
  }
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
    return {};
  }
  return text;
}

RegistryValue::RegistryValue(HKEY root, std::string subKey, std::string name, DWORD value)
    : root_(root), subKey_(std::move(subKey)), name_(std::move(name)) {
  const RegistryKey key(OpenKey(root_, subKey_, KEY_QUERY_VALUE | KEY_SET_VALUE, true));
  if (!key) {
    return;
  }
  DWORD size = 0;
  if (RegQueryValueExA(key.Get(), name_.c_str(), nullptr, &oldType_, nullptr, &size) ==
      ERROR_SUCCESS) {
    oldData_.resize(size);
    hadValue_ = RegQueryValueExA(key.Get(), name_.c_str(), nullptr, &oldType_, oldData_.data(),
                                 &size) == ERROR_SUCCESS;
    oldData_.resize(size);
  }
  set_ = RegSetValueExA(key.Get(), name_.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

RegistryValue::~RegistryValue() {
  if (!set_) {
    return;
  }
  const RegistryKey key(OpenKey(root_, subKey_, KEY_SET_VALUE, false));
  if (!key) {
    return;
  }
  if (hadValue_) {
    RegSetValueExA(key.Get(), name_.c_str(), 0, oldType_, oldData_.data(),
                   static_cast<DWORD>(oldData_.size()));
  } else {
    RegDeleteValueA(key.Get(), name_.c_str());
  }
}

}  // namespace velmora::e2e
