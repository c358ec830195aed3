// The first-start offer to put the program into the shell's Send To menu.
#include <shlobj.h>

#include "app/Confirmation.h"
#include "app/Main.h"
#include "app/MainTexts.h"
#include "base/FileSystem.h"
#include "shortcut/ShortcutWriter.h"
#include "ui/ErrorReport.h"

namespace velmora {

bool TForm1::OfferSendToEntry() {
  // Asked before the window is shown, so the box stands on its own.
  if (!AskConfirmation(nullptr, text::kSendToOffer, kConfirmBox))
    return true;
  // A link that cannot be written is reported here, once, and the start goes on with the offer
  // still due. Show command 0: the shell starts the program hidden; the window shows itself
  // anyway. No icon file is chosen yet and the icon list, which has no window yet, counts as on
  // its first icon: the link takes icon 0 of no file.
  return ui::RunGuarded([] {
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
