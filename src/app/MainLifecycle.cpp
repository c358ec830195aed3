// Creation, showing and closing of the main window.
#include <optional>
#include <utility>

#include "app/ExpandLongPath.h"
#include "app/Main.h"
#include "app/SettingsFile.h"
#include "app/SettingsTexts.h"
#include "app/ShellPaths.h"
#include "app/TargetRules.h"
#include "base/Error.h"
#include "base/PathRules.h"
#include "shortcut/Destination.h"
#include "ui/ErrorReport.h"

namespace velmora {

void TForm1::FormCreate() {
  const SettingsFile file(SettingsPath());
  std::optional<SettingsSection> settings(std::in_place, file, text::kSection);
  // Marked done only when it was not: a start that changes nothing writes nothing. A link the
  // user asked for but could not get leaves the offer due, so that it comes again.
  if (settings->ReadBool(text::kKeyStart, true)) {
    if (OfferSendToEntry()) {
      // Reported when it fails, and the saved choices are restored all the same: closing then
      // saves what the window shows, never its initial values over them.
      ui::RunGuarded([&] { file.WriteBool(text::kSection, text::kKeyStart, false); });
    }
    settings.emplace(file, text::kSection);  // as the offer left the file
  }

  const int saved = settings->ReadInteger(text::kKeyItemIndex, 0);
  RadioGroup1.SetItemIndex(ClampDestinationIndex(saved));
  CheckBox1.SetChecked(settings->ReadBool(text::kKeyStrFlag, true));
  const int windowState = settings->ReadInteger(text::kKeyWindowState, 0);
  ComboBox1.SetItemIndex(windowState >= 0 && windowState <= 2 ? windowState : -1);
  if (IsPickerDestination(RadioGroup1.ItemIndex()))
    EnableCustomFolder(true);
}

std::string TForm1::QueuedTargetPath(const std::wstring& path) const {
  // The restored destination may have moved the current folder since the start.
  return TargetPath(ResolveAgainst(startFolder_, PathInCodePage(path)));
}

void TForm1::OpenFolderListAtTarget() {
  targets_.Replace(CommandLineArguments());
  // An error here is reported when FormShow takes the target.
  try {
    if (targets_.HasNext()) {
      preparedTarget_ = QueuedTargetPath(targets_.Peek());
      DirectoryListBox1.SetDirectory(DirectoryOf(*preparedTarget_));
    }
  } catch (const Error&) {
  }
}

void TForm1::FormShow() {
  DragAcceptFiles(Handle(), static_cast<BOOL>(-1));
  TakeNextTarget();
}

void TForm1::FormClose() {
  SettingsFile(SettingsPath())
      .WriteValues(text::kSection,
                   {{text::kKeyItemIndex, FormatSettingInteger(RadioGroup1.ItemIndex())},
                    {text::kKeyStrFlag, FormatSettingBool(CheckBox1.Checked())},
                    {text::kKeyWindowState, FormatSettingInteger(ComboBox1.ItemIndex())}});
}

}  // namespace velmora
