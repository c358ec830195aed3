#pragma once
// The program's Yes/No confirmation box: modal, centred on the screen, caption "確認", the
// question icon, the text word-wrapped, "はい(&Y)" (default) and "いいえ(&N)" (cancel, also Esc).
// Its own dialog, so that its texts do not follow the system's language.
#include <windows.h>
#include <string>

namespace velmora {

// Control IDs of the box, for automation; the box is a dialog ("#32770") captioned "確認".
inline constexpr int kConfirmYesId = 6;  // IDYES
inline constexpr int kConfirmNoId = 7;   // IDNO
inline constexpr int kConfirmTextId = 100;
inline constexpr int kConfirmIconId = 101;

// `text` is in the system code page. True only when the user answers Yes.
bool AskConfirmation(HWND owner, const std::string& text);

}  // namespace velmora
