#include "ui/MessageLoop.h"

#include <iterator>

#include "ui/EnterKey.h"

namespace velmora::ui {

namespace {
bool IsOfClass(HWND window, const char* name) {
  char className[16] = {};
  GetClassNameA(window, className, static_cast<int>(std::size(className)));
  return lstrcmpiA(className, name) == 0;
}

bool IsPushButton(HWND window) {
  if (!IsOfClass(window, "BUTTON"))
    return false;
  const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

// The focus is in a combo box itself or in its edit field; whether that box's list is open.
bool IsComboListOpen(HWND focus) {
  HWND combo = IsOfClass(focus, "COMBOBOX") ? focus : GetParent(focus);
  return combo && IsOfClass(combo, "COMBOBOX") && SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0);
}

bool ModifierDown() {
  return (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) < 0;
}

void Press(HWND button) {
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The Enter rule of the main window; true when the key was used up here.
bool HandleEnter(const MSG& message, HWND form, int defaultButtonId) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN)
    return false;
  HWND focus = message.hwnd;
  HWND defaultButton = GetDlgItem(form, defaultButtonId);
  const bool defaultEnabled = defaultButton && IsWindowEnabled(defaultButton);
  const EnterAction action =
      DecideEnter(IsPushButton(focus), defaultEnabled, ModifierDown(), IsComboListOpen(focus));
  switch (action) {
    case EnterAction::PressFocusedButton:
      Press(focus);
      return true;
    case EnterAction::PressDefaultButton:
      Press(defaultButton);
      return true;
    case EnterAction::PassToControl:
      // Straight to the control: the dialog manager would take Enter for the default button.
      TranslateMessage(&message);
      DispatchMessageW(&message);
      return true;
  }
  return false;
}
}  // namespace

int RunMessageLoop(HWND form, int defaultButtonId) {
  MSG message{};
  // Characters are taken from the queue as UTF-16: an ANSI window gets them converted on
  // dispatch, while a Unicode window gets what was typed, also what the code page cannot hold.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsWindow(form) && (message.hwnd == form || IsChild(form, message.hwnd))) {
      if (HandleEnter(message, form, defaultButtonId))
        continue;
      if (IsDialogMessageW(form, &message))
        continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace velmora::ui
