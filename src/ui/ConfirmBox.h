#pragma once
// The program's Yes/No confirmation box: modal, centred on the screen, caption "確認", the
// question icon, the text word-wrapped, "はい(&Y)" (default unless asked otherwise) and
// "いいえ(&N)" (cancel, also Esc). Its own dialog, so that its texts do not follow the system's
// language.
#include <windows.h>
#include <string>

namespace velmora {

// Control IDs of the box, for automation; the box is a dialog ("#32770") captioned "確認".
inline constexpr int kConfirmYesId = 6;  // IDYES
inline constexpr int kConfirmNoId = 7;   // IDNO
inline constexpr int kConfirmTextId = 100;
inline constexpr int kConfirmIconId = 101;

// The button that Enter presses and that has the focus when the box opens.
enum class DefaultAnswer { kYes, kNo };

// `text` is in the system code page. True only when the user answers Yes. A question whose Yes
// loses something (replacing a file) makes No the default.
bool AskConfirmation(HWND owner, const std::string& text,
                     DefaultAnswer defaultAnswer = DefaultAnswer::kYes);

}  // namespace velmora
