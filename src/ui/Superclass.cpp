#include "ui/Superclass.h"

#include <windows.h>

#include <vector>

#include "ui/Application.h"

namespace velmora::ui {

namespace {

struct Registered {
  ATOM atom;
  WNDPROC baseProc;
};
// A handful of classes at most: a linear search per message costs nothing.
std::vector<Registered>& Superclasses() {
  static std::vector<Registered> registered;
  return registered;
}

LRESULT CALLBACK SuperclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ATOM atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
  for (const Registered& entry : Superclasses()) {
    if (entry.atom == atom)
      return CallWindowProcA(entry.baseProc, window, message, wParam, lParam);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

const char* RegisterSuperclass(const char* name, const char* base, unsigned removeStyles) {
  const HINSTANCE instance = ApplicationInstance();
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, name, &existing))
    return name;
  // The system class as this process sees it: with common controls 6 that is their version.
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (!GetClassInfoExA(nullptr, base, &windowClass))
    return nullptr;
  const WNDPROC baseProc = windowClass.lpfnWndProc;
  windowClass.lpfnWndProc = &SuperclassProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  windowClass.style &= ~removeStyles;
  const ATOM atom = RegisterClassExA(&windowClass);
  if (!atom)
    return nullptr;
  Superclasses().push_back({atom, baseProc});
  return name;
}

}  // namespace velmora::ui
