// The first-start offer to put the program into the shell's Send To menu.
#include <shlobj.h>

#include "app/Confirmation.h"
#include "app/Main.h"
#include "app/MainTexts.h"
#include "base/FileSystem.h"
#include "shortcut/ShortcutWriter.h"
#include "ui/ErrorReport.h"

namespace velmora {

void TForm1::OfferSendToEntry() {
  // Asked before the window is shown, so the box stands on its own.
  if (!AskConfirmation(nullptr, text::kSendToOffer, kConfirmBox))
    return;
  // A link that cannot be written is reported here, once, and the start goes on: the offer is
  // marked done and the saved choices are restored, so that closing cannot overwrite them with
  // the window's initial values. Show command 0: the shell starts the program hidden; the window
  // shows itself anyway. No icon file is chosen yet and the icon list, which has no window yet,
  // counts as on its first icon: the link takes icon 0 of no file.
  ui::RunGuarded([] {
    WriteShortcut({.targetPath = ExecutablePath(),
                   .shortcutName = text::kSendToName,
                   .arguments = {},
                   .destination = {.label = {}, .specialFolder = CSIDL_SENDTO},
                   .showCommand = SW_HIDE,
                   .addSuffix = false,
                   .iconFile = {},
                   .iconIndex = 0});
  });
}

}  // namespace velmora
