#pragma once
// Velmora's main window as another process finds it: the start-up benchmark
// (bench/StartupProbe.cpp) and the window picture (WindowShot.cpp) both start the program and wait
// for its window to show the target. Written once here, as a library that both link: the
// benchmark is built in the same Windows trees as this folder, and neither the program nor its
// tests should carry the tools that watch it from outside.
#include <windows.h>

#include <vector>

namespace velmora::demo {

// The visible top-level windows of a thread, in their order on the screen. Only that thread's:
// asking about every window on the desktop at each poll would load the Wine server that the
// watched program talks to.
std::vector<HWND> VisibleWindows(DWORD threadId);

// What a thread of the program shows: its main window, and a box (a message box, a dialog) when
// one is open.
struct ShownWindows {
  HWND form = nullptr;
  HWND box = nullptr;
};
ShownWindows FindShownWindows(DWORD threadId);

// True when the main window shows a target: its target edit box holds a text. The edit box
// belongs to another process, so its length is asked by message, waiting at most waitMs for a
// busy program; one that has not answered yet counts as showing none.
bool ShowsTarget(HWND form, UINT waitMs);

}  // namespace velmora::demo
