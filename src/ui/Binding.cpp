// How a window reaches its object: forms and controls alike, through the toolkit's window
// procedure and a table of the process.
#include <algorithm>
#include <vector>

#include "ui/ErrorReport.h"
#include "ui/Window.h"

namespace velmora::ui {

namespace {
// A window with its object and the procedure behind the toolkit's.
struct Binding {
  HWND window;
  Widget* widget;  // none once the object let go of a window it could not hand back
  WNDPROC proc;
  bool unicode;
};

// Every bound window of the process, kept here rather than with the window: under Wine a window
// property or the common controls' subclass chain (which keeps its data in one) costs a round
// trip to the server on every message, and the controls get hundreds of them before the window
// is first painted. The window's user data (GWLP_USERDATA) is a call into the system on every
// message too, and measured no faster at start-up than a search of these few dozen entries
// (bench/README.md); the table also answers for any handle without trusting what a window not
// bound here keeps in its user data.
std::vector<Binding>& Bindings() {
  static std::vector<Binding> bindings;
  return bindings;
}

Binding* BindingOf(HWND window) {
  for (Binding& binding : Bindings()) {
    if (binding.window == window)
      return &binding;
  }
  return nullptr;
}

LRESULT CallProc(WNDPROC proc, bool unicode, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam) {
  return unicode ? CallWindowProcW(proc, window, message, wParam, lParam)
                 : CallWindowProcA(proc, window, message, wParam, lParam);
}
}  // namespace

Widget* Widget::FromHandle(HWND window) {
  const Binding* binding = window ? BindingOf(window) : nullptr;
  return binding ? binding->widget : nullptr;
}

void Widget::AddBinding(HWND window, WNDPROC ownProc, bool unicode) {
  hwnd_ = window;
  windowProc_ = ownProc;
  unicode_ = unicode;
  Bindings().push_back({window, this, ownProc, unicode});
}

void Widget::Bind(HWND window) {
  // As the window was made: an ANSI window keeps getting ANSI messages.
  const bool unicode = IsWindowUnicode(window) != FALSE;
  const auto proc = reinterpret_cast<LONG_PTR>(&Widget::WindowProc);
  AddBinding(window, nullptr, unicode);
  const auto own =
      reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                        : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
  windowProc_ = own;
  Bindings().back().proc = own;
}

void Widget::Unbind() {
  if (!hwnd_)
    return;
  auto& bindings = Bindings();
  const auto binding = std::find_if(bindings.begin(), bindings.end(),
                                    [this](const Binding& entry) { return entry.widget == this; });
  const auto proc = reinterpret_cast<LONG_PTR>(&Widget::WindowProc);
  if (unicode_ ? GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == proc
               : GetWindowLongPtrA(hwnd_, GWLP_WNDPROC) == proc) {
    const auto own = reinterpret_cast<LONG_PTR>(windowProc_);
    unicode_ ? SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, own)
             : SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, own);
    if (binding != bindings.end())
      bindings.erase(binding);
  } else if (binding != bindings.end()) {
    // A procedure put in front of ours keeps its place and still calls ours: the window's own
    // procedure gets those messages until the window goes.
    binding->widget = nullptr;
  }
  hwnd_ = nullptr;
}

LRESULT Widget::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallProc(windowProc_, unicode_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Widget::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Binding* binding = BindingOf(window);
  if (!binding && message == WM_NCCREATE) {
    // The creation parameter sits in the same place in both forms of the structure.
    auto* widget =
        static_cast<Widget*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (widget) {
      const bool unicode = IsWindowUnicode(window) != FALSE;
      widget->AddBinding(window, unicode ? &DefWindowProcW : &DefWindowProcA, unicode);
      binding = &Bindings().back();
    }
  }
  if (!binding) {
    // Messages a window of the toolkit's own class gets before WM_NCCREATE.
    return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                   : DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    // The window goes without its object: its own procedure sees the last message.
    const Binding last = *binding;
    Bindings().erase(Bindings().begin() + (binding - Bindings().data()));
    if (last.widget)
      last.widget->hwnd_ = nullptr;
    return CallProc(last.proc, last.unicode, window, message, wParam, lParam);
  }
  if (!binding->widget)
    return CallProc(binding->proc, binding->unicode, window, message, wParam, lParam);
  // Exceptions must not cross the system's window procedure: each handler's error is reported
  // here, also when that handler runs inside another one through a sent message.
  Widget* widget = binding->widget;
  LRESULT result = 0;
  RunGuarded([&] { result = widget->OnMessage(message, wParam, lParam); });
  return result;
}

}  // namespace velmora::ui
