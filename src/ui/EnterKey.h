#pragma once
// What the main window does with the Enter key before the focused control sees it.

namespace velmora {

enum class EnterAction {
  PressFocusedButton,  // the focus is on a push button: Enter presses it
  PressDefaultButton,  // run the default button's command; the focused control never sees the key
  PassToControl,       // an ordinary key for the focused control
};

// `listDroppedDown`: the focus is in a combo box whose list is open, where Enter only chooses
// the item and closes the list.
EnterAction DecideEnter(bool focusOnPushButton, bool defaultButtonEnabled, bool shiftCtrlOrAlt,
                        bool listDroppedDown);

}  // namespace velmora
