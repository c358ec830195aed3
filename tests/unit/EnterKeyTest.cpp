#include "ui/EnterKey.h"

#include <gtest/gtest.h>

namespace {

using velmora::DecideEnter;
using velmora::EnterAction;

TEST(EnterKey, WithoutModifiers) {
  EXPECT_EQ(DecideEnter(true, true, false), EnterAction::PressFocusedButton);
  EXPECT_EQ(DecideEnter(true, false, false), EnterAction::PressFocusedButton);
  EXPECT_EQ(DecideEnter(false, true, false), EnterAction::PressDefaultButton);
  EXPECT_EQ(DecideEnter(false, false, false), EnterAction::PassToControl);
}

TEST(EnterKey, ShiftCtrlOrAltAlwaysPassesTheKeyOn) {
  for (bool onButton : {false, true}) {
    for (bool defaultEnabled : {false, true}) {
      EXPECT_EQ(DecideEnter(onButton, defaultEnabled, true), EnterAction::PassToControl);
    }
  }
}

}  // namespace
