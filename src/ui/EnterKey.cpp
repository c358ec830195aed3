#include "ui/EnterKey.h"

namespace velmora {

EnterAction DecideEnter(bool focusOnPushButton, bool defaultButtonEnabled, bool shiftCtrlOrAlt,
                        bool listDroppedDown) {
  if (shiftCtrlOrAlt || listDroppedDown) {
    return EnterAction::PassToControl;
  }
  if (focusOnPushButton) {
    return EnterAction::PressFocusedButton;
  }
  return defaultButtonEnabled ? EnterAction::PressDefaultButton : EnterAction::PassToControl;
}

}  // namespace velmora
