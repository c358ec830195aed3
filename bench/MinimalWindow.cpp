// The baseline of the start-up benchmark: the least a Win32 program does to show a window, and
// close again on WM_CLOSE.
//
// Started with an argument, it stands in for Velmora instead: its window class is "TForm1" and an
// edit box with ID 111 holds the argument, which is what StartupProbe waits for. That lets the
// probe be tried before the real program shows its window.

#include <windows.h>

#include <cstdlib>

namespace {

constexpr char kBaselineClass[] = "MinimalWindow";
constexpr char kStandInClass[] = "TForm1";
constexpr int kTargetEditId = 111;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const bool standIn = __argc > 1;

  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = standIn ? kStandInClass : kBaselineClass;
  if (!RegisterClassA(&wc))
    return 1;

  // About the size of Velmora's window, so that both paint a similar area.
  HWND hwnd =
      CreateWindowExA(0, wc.lpszClassName, "MinimalWindow", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                      CW_USEDEFAULT, CW_USEDEFAULT, 519, 377, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr)
    return 1;
  if (standIn &&
      CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", __argv[1], WS_CHILD | WS_VISIBLE | ES_READONLY, 16,
                      32, 201, 20, hwnd, reinterpret_cast<HMENU>(kTargetEditId), instance,
                      nullptr) == nullptr) {
    return 1;
  }
  ShowWindow(hwnd, show);
  // Painted before the message loop, as Velmora and PlainWindow do: the probe stops its clock
  // when the loop first answers.
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
