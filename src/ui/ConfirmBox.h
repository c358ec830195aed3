#pragma once
// A Yes/No confirmation box: modal, centred on the screen, the question icon, the text
// word-wrapped, a Yes button (default unless asked otherwise) and a No button (cancel, also Esc).
// Its own dialog, so that its texts are its caller's, not the system's language.
#include <windows.h>
#include <string>

namespace velmora {

// Control IDs of the box, for automation; the box is a dialog ("#32770").
inline constexpr int kConfirmYesId = 6;  // IDYES
inline constexpr int kConfirmNoId = 7;   // IDNO
inline constexpr int kConfirmTextId = 100;
inline constexpr int kConfirmIconId = 101;

// The button that Enter presses and that has the focus when the box opens.
enum class DefaultAnswer { kYes, kNo };

// The box's caption, its buttons' texts and its font, in the system code page.
struct ConfirmBoxLook {
  const char* caption;
  const char* yes;
  const char* no;
  const char* fontFace;
  WORD fontPoints;
};

// `text` is in the system code page. True only when the user answers Yes. A question whose Yes
// loses something (replacing a file) makes No the default.
bool AskConfirmation(HWND owner, const std::string& text, const ConfirmBoxLook& look,
                     DefaultAnswer defaultAnswer = DefaultAnswer::kYes);

}  // namespace velmora
