// The target: browse, drop and command line all end in SetTarget.
#include "app/ExpandLongPath.h"
#include "app/Main.h"
#include "app/SettingsFile.h"
#include "app/SettingsTexts.h"
#include "app/ShellPaths.h"
#include "app/TargetRules.h"
#include "base/PathRules.h"
#include "ui/ErrorReport.h"

namespace velmora {

void TForm1::SetTarget(const std::string& rawPath) {
  TakeTarget(TargetPath(rawPath));
}

void TForm1::TakeTarget(const std::string& path) {
  Edit1.SetText(path);
  const std::string folder = DirectoryOf(path);
  OpenDialog1.SetInitialDir(folder);
  ShowFileIcon(path);
  FillIconList(path);
  // Remembering the folder is a convenience: the target itself is still taken in full.
  ui::RunGuarded([&] {
    SettingsFile(SettingsPath()).WriteString(text::kSection, text::kKeyInitialDir, folder);
  });
  Edit2.SetText(ProposedName(path));
  Edit2.SelectAll();  // a name typed now replaces the proposal
  Edit4.SetText("");
  FocusControl(Edit2);
}

void TForm1::Edit1Change() {
  const std::string target = Edit1.Text();
  BitBtn1.SetEnabled(!target.empty());
  DirectoryListBox1.SetDirectory(DirectoryOf(target));
}

bool TForm1::BrowseFromSavedFolder() {
  // Read afresh each time: the dialog does not keep the folder of an icon file chosen in it.
  const SettingsFile settings(SettingsPath());
  OpenDialog1.SetInitialDir(
      settings.ReadString(text::kSection, text::kKeyInitialDir, ExecutablePath()));
  return OpenDialog1.Execute(Handle());
}

void TForm1::Button1Click() {
  if (BrowseFromSavedFolder())
    SetTarget(OpenDialog1.FileName());
}

void TForm1::WMDropFiles(HDROP drop) {
  const ui::UniqueDrop finish(drop);  // DragFinish once SetTarget has returned
  if (const std::optional<std::string> path = DroppedPath(drop))
    SetTarget(*path);
}

}  // namespace velmora
