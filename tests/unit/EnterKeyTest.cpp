#include "ui/EnterKey.h"

#include <gtest/gtest.h>

namespace {

using velmora::DecideEnter;
using velmora::EnterAction;

TEST(EnterKey, WithoutModifiers) {
  EXPECT_EQ(DecideEnter(true, true, false, false), EnterAction::PressFocusedButton);
  EXPECT_EQ(DecideEnter(true, false, false, false), EnterAction::PressFocusedButton);
  EXPECT_EQ(DecideEnter(false, true, false, false), EnterAction::PressDefaultButton);
  EXPECT_EQ(DecideEnter(false, false, false, false), EnterAction::PassToControl);
}

TEST(EnterKey, ShiftCtrlOrAltOrAnOpenListAlwaysPassesTheKeyOn) {
  for (bool onButton : {false, true}) {
    for (bool defaultEnabled : {false, true}) {
      EXPECT_EQ(DecideEnter(onButton, defaultEnabled, true, false), EnterAction::PassToControl);
      EXPECT_EQ(DecideEnter(onButton, defaultEnabled, false, true), EnterAction::PassToControl);
    }
  }
}

}  // namespace
