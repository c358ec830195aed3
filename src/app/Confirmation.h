#pragma once
// The program's confirmation box (ui/ConfirmBox.h): caption "確認", "はい(&Y)" and "いいえ(&N)",
// in the window's font face at 9 points.
#include "ui/ConfirmBox.h"

namespace velmora {

extern const ConfirmBoxLook kConfirmBox;

}  // namespace velmora
