#pragma once
// The program's one message loop, with the dialog keys of the main window.
#include <windows.h>

namespace velmora::ui {

// Runs until WM_QUIT. Keys for `form` get dialog navigation (Tab, arrows, access keys); Enter
// presses the focused push button, or the default button `defaultButtonId` while it is enabled.
int RunMessageLoop(HWND form, int defaultButtonId);

}  // namespace velmora::ui
