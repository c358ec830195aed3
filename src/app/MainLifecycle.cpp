// Creation, showing and closing of the main window.
#include <algorithm>

#include "app/Main.h"
#include "app/SettingsFile.h"
#include "app/ShellPaths.h"
#include "app/TargetRules.h"
#include "base/Texts.h"
#include "folders/Destination.h"

namespace velmora {

void TForm1::FormCreate() {
  const SettingsFile settings(SettingsPath());
  if (settings.ReadBool(text::kSection, text::kKeyStart, true))
    OfferSendToEntry();
  settings.WriteBool(text::kSection, text::kKeyStart, false);

  const int saved = settings.ReadInteger(text::kSection, text::kKeyItemIndex, 0);
  RadioGroup1.SetItemIndex(std::clamp(saved, destination::kNone, destination::kAnyDirectory));
  CheckBox1.SetChecked(settings.ReadBool(text::kSection, text::kKeyStrFlag, true));
  const int windowState = settings.ReadInteger(text::kSection, text::kKeyWindowState, 0);
  ComboBox1.SetItemIndex(windowState >= 0 && windowState <= 2 ? windowState : -1);
  if (RadioGroup1.ItemIndex() == destination::kAnyDirectory)
    EnableCustomFolder(true);
}

void TForm1::FormShow() {
  DragAcceptFiles(Handle(), static_cast<BOOL>(-1));
  // The restored destination may have moved the current folder since the start.
  if (const std::optional<std::string> argument = CommandLineArgument())
    SetTarget(ResolveAgainst(startFolder_, *argument));
}

void TForm1::FormClose() {
  const SettingsFile settings(SettingsPath());
  settings.WriteInteger(text::kSection, text::kKeyItemIndex, RadioGroup1.ItemIndex());
  settings.WriteBool(text::kSection, text::kKeyStrFlag, CheckBox1.Checked());
  settings.WriteInteger(text::kSection, text::kKeyWindowState, ComboBox1.ItemIndex());
}

}  // namespace velmora
