// Shows Velmora's main window with a target and saves a picture of it, for a machine without a
// display (tools/window-shot.sh):
//
//   WindowShot PROGRAM PICTURE [TARGET]
//
// Starts PROGRAM with TARGET (PROGRAM itself when none is given, so that its icons show) and
// waits until its "TForm1" window is visible with the target in place and has nothing left to
// paint. Then it reads the window's pixels from the screen and checks that every control with a
// text (labels, the target, buttons, group boxes) and the icon preview and list show something
// in them; it reads them again until they do, since the screen may lag behind the window's
// painting. The picture goes to PICTURE as a BMP file, and the program is closed as a user
// closes it (WM_CLOSE), so that it saves its settings and ends by itself.
//
// Exit code: 0 when the picture was saved and checked and the program ended by itself, 1 when
// not (a picture that failed its check is saved all the same, for a look), 2 on bad arguments.

#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "FormProbe.h"
#include "PictureInk.h"
#include "app/ControlIds.h"
#include "base/KernelHandles.h"
#include "base/WideText.h"
#include "ui/Handles.h"

namespace velmora::demo {

namespace {

constexpr DWORD kShowTimeoutMs = 45000;
constexpr DWORD kCloseTimeoutMs = 15000;
constexpr DWORD kPollMs = 50;
constexpr UINT kAnswerWaitMs = 1000;
// The fewest standing-out pixels that count as a drawn text or image: the shortest label, two
// characters at the window's 12-pixel font, has about a hundred.
constexpr int kLeastInk = 12;
// The part of a control's edge that is left out of its check: a frame stands out from the face
// inside it whether or not the text has been drawn.
constexpr int kFrameWidth = 3;

// A process or thread handle.
using UniqueHandle = Unique<HANDLE, HandleCloser>;

// Writes UTF-16 text to standard output as UTF-8, which a Linux terminal shows.
void Print(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), n,
                      nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

std::wstring Widen(const std::string& text) {
  return ToWide(text).value_or(L"?");
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  const int n = GetClassNameA(window, name, static_cast<int>(std::size(name)));
  return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

// A message to the program's window that waits no longer than a moment when it is busy; -1
// when no answer came.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerWaitMs,
                           &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

// The text of a window of the program, asked by message (an edit box keeps its own).
std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  const LRESULT n = Ask(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return std::wstring(text, n > 0 && n < static_cast<LRESULT>(std::size(text)) ? n : 0);
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

// A box's caption and message, for the report.
std::wstring BoxText(HWND box) {
  std::wstring text = L"\"" + TextOf(box) + L"\":";
  for (HWND child : Descendants(box)) {
    if (ClassOf(child) == "Static") {
      const std::wstring line = TextOf(child);
      if (!line.empty())
        text += L" " + line;
    }
  }
  return text;
}

// True when neither the window nor any of its controls waits for a WM_PAINT.
bool Painted(HWND form, const std::vector<HWND>& children) {
  if (GetUpdateRect(form, nullptr, FALSE))
    return false;
  for (HWND child : children) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
      return false;
  }
  return true;
}

// The window's pixels, frame included, as the screen shows them now.
Picture TakePicture(HWND form, RECT& frame) {
  GetWindowRect(form, &frame);
  Picture picture;
  picture.width = frame.right - frame.left;
  picture.height = frame.bottom - frame.top;
  if (picture.width <= 0 || picture.height <= 0)
    return Picture{};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ui::WindowDcScope screen(nullptr);
  ui::UniqueMemoryDc memory(CreateCompatibleDC(screen.Dc()));
  ui::UniqueBitmap bitmap(CreateDIBSection(screen.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap)
    return Picture{};
  {
    ui::SelectScope select(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, picture.width, picture.height, screen.Dc(), frame.left,
                frame.top, SRCCOPY)) {
      return Picture{};
    }
  }
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  picture.pixels.assign(first, first + static_cast<size_t>(picture.width) * picture.height);
  return picture;
}

// What the picture lacks, or empty when it shows every control that must show something: each
// one with a text, and the icon preview and list when there are icons to show.
std::wstring Lacking(const Picture& picture, const RECT& frame, const std::vector<HWND>& children,
                     bool icons) {
  if (picture.pixels.empty())
    return L"pixels of the window from the screen";
  for (HWND child : children) {
    if (!IsWindowVisible(child))
      continue;
    const int id = GetDlgCtrlID(child);
    const std::wstring text = TextOf(child);
    if (text.empty() && !(icons && (id == id::kImage1 || id == id::kImageListBox1)))
      continue;
    RECT client = {};
    GetClientRect(child, &client);
    MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const Area area{client.left - frame.left + kFrameWidth, client.top - frame.top + kFrameWidth,
                    client.right - frame.left - kFrameWidth,
                    client.bottom - frame.top - kFrameWidth};
    if (InkInside(picture, area) < kLeastInk) {
      return L"control " + std::to_wstring(id) + L" (" + Widen(ClassOf(child)) +
             (text.empty() ? L"" : L" \"" + text + L"\"") + L") to show in the picture";
    }
  }
  return std::wstring();
}

// A BMP file of the picture, opaque: a reader may take the fourth byte of a 32-bit pixel for
// its opacity.
bool SaveBitmap(Picture picture, const std::string& path) {
  for (std::uint32_t& pixel : picture.pixels)
    pixel |= 0xFF000000u;
  const DWORD pixelBytes = static_cast<DWORD>(picture.pixels.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + pixelBytes;
  header.biSize = sizeof header;
  header.biWidth = picture.width;
  header.biHeight = -picture.height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  UniqueFile out(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return out && WriteFile(out.Get(), &file, sizeof file, &written, nullptr) &&
         WriteFile(out.Get(), &header, sizeof header, &written, nullptr) &&
         WriteFile(out.Get(), picture.pixels.data(), pixelBytes, &written, nullptr) &&
         written == pixelBytes;
}

// Waits for the window to show the target and its icons and to be painted; the checked picture
// of it, or an empty one with `lack` saying what never came.
Picture WaitForPicture(HANDLE process, DWORD threadId, bool needIcons, std::wstring& lack) {
  const ULONGLONG start = GetTickCount64();
  Picture last;
  lack = L"a visible TForm1 window";
  while (GetTickCount64() - start < kShowTimeoutMs) {
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
      lack = L"its window: the program ended";
      return Picture{};
    }
    const ShownWindows found = FindShownWindows(threadId);
    if (found.box != nullptr) {
      lack = L"its window, not a box: " + BoxText(found.box);
      return Picture{};
    }
    const HWND form = found.form;
    const HWND list =
        form ? GetDlgItem(GetDlgItem(form, id::kGroupBox1), id::kImageListBox1) : nullptr;
    const std::vector<HWND> children = form ? Descendants(form) : std::vector<HWND>();
    const bool icons = list != nullptr && Ask(list, LB_GETCOUNT) > 0;
    if (form == nullptr) {
      lack = L"a visible TForm1 window";
    } else if (!ShowsTarget(form, kAnswerWaitMs)) {
      lack = L"the target in the window";
    } else if (needIcons && !icons) {
      lack = L"the target's icons in the list";
    } else if (!Painted(form, children)) {
      lack = L"the window to paint";
    } else {
      RECT frame = {};
      last = TakePicture(form, frame);
      lack = Lacking(last, frame, children, icons);
      if (lack.empty())
        return last;
    }
    Sleep(kPollMs);
  }
  if (!last.pixels.empty())
    lack += L" (the last picture is saved)";
  return last;
}

// Closes the program as a user does: its window once (a second WM_CLOSE could reach it inside
// a box that the first one opened), and every box it shows on the way, each once. True when it
// ended by itself with exit code 0.
bool CloseProgram(HANDLE process, DWORD threadId) {
  const ULONGLONG start = GetTickCount64();
  HWND closedForm = nullptr;
  HWND closedBox = nullptr;
  while (WaitForSingleObject(process, kPollMs) == WAIT_TIMEOUT) {
    if (GetTickCount64() - start > kCloseTimeoutMs) {
      Print(L"WindowShot: the program did not end after WM_CLOSE; ended by force\n");
      TerminateProcess(process, 1);
      WaitForSingleObject(process, kCloseTimeoutMs);
      return false;
    }
    const ShownWindows found = FindShownWindows(threadId);
    if (found.box != nullptr && found.box != closedBox) {
      Print(L"WindowShot: closing a box of the program: " + BoxText(found.box) + L"\n");
      closedBox = found.box;
      PostMessageW(closedBox, WM_CLOSE, 0, 0);
    } else if (found.box == nullptr && found.form != nullptr && found.form != closedForm) {
      closedForm = found.form;
      PostMessageW(closedForm, WM_CLOSE, 0, 0);
    }
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process, &exitCode);
  if (exitCode != 0)
    Print(L"WindowShot: the program ended with exit code " + std::to_wstring(exitCode) + L"\n");
  return exitCode == 0;
}

int Run(const std::string& program, const std::string& picturePath, const std::string& target) {
  std::string commandLine = "\"" + program + "\" \"" + target + "\"";
  const std::string folder = program.substr(0, program.find_last_of('\\'));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  const ULONGLONG start = GetTickCount64();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    Print(L"WindowShot: could not start " + Widen(program) + L"\n");
    return 1;
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);

  std::wstring lack;
  const Picture picture =
      WaitForPicture(process.Get(), started.dwThreadId, target == program, lack);
  const ULONGLONG shownMs = GetTickCount64() - start;
  bool good = lack.empty();
  if (good)
    Print(L"WindowShot: the window showed its target, icons and labels after " +
          std::to_wstring(shownMs) + L" ms\n");
  else
    Print(L"WindowShot: after " + std::to_wstring(shownMs) + L" ms still waiting for " + lack +
          L"\n");
  if (!picture.pixels.empty() && !SaveBitmap(picture, picturePath)) {
    Print(L"WindowShot: could not write " + Widen(picturePath) + L"\n");
    good = false;
  }
  return CloseProgram(process.Get(), started.dwThreadId) && good ? 0 : 1;
}

std::string FullPath(const char* path) {
  char full[MAX_PATH];
  const DWORD n = GetFullPathNameA(path, static_cast<DWORD>(std::size(full)), full, nullptr);
  return n == 0 || n >= std::size(full) ? std::string() : std::string(full, n);
}

}  // namespace

}  // namespace velmora::demo

int main(int argc, char** argv) {
  using velmora::demo::FullPath;
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: WindowShot PROGRAM PICTURE [TARGET]\n");
    return 2;
  }
  const std::string program = FullPath(argv[1]);
  const std::string picture = FullPath(argv[2]);
  if (program.empty() || picture.empty()) {
    std::fprintf(stderr, "WindowShot: a path is too long\n");
    return 2;
  }
  return velmora::demo::Run(program, picture, argc == 4 ? std::string(argv[3]) : program);
}
