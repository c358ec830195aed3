#include "FormProbe.h"

#include <cstring>
#include <iterator>

#include "app/ControlIds.h"

namespace velmora::demo {

namespace {

constexpr char kFormClass[] = "TForm1";
constexpr char kDialogClass[] = "#32770";

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
  if (IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

bool IsOfClass(HWND window, const char* className) {
  char name[64] = {};
  return GetClassNameA(window, name, static_cast<int>(std::size(name))) > 0 &&
         std::strcmp(name, className) == 0;
}

}  // namespace

std::vector<HWND> VisibleWindows(DWORD threadId) {
  std::vector<HWND> windows;
  EnumThreadWindows(threadId, CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

ShownWindows FindShownWindows(DWORD threadId) {
  ShownWindows shown;
  for (HWND window : VisibleWindows(threadId)) {
    if (!shown.form && IsOfClass(window, kFormClass))
      shown.form = window;
    else if (!shown.box && IsOfClass(window, kDialogClass))
      shown.box = window;
  }
  return shown;
}

bool ShowsTarget(HWND form, UINT waitMs) {
  const HWND edit = GetDlgItem(form, id::kEdit1);
  DWORD_PTR length = 0;
  return edit != nullptr &&
         SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, waitMs, &length) !=
             0 &&
         length > 0;
}

}  // namespace velmora::demo
