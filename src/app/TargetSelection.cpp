// The target: browse, drop and command line all end in SetTarget.
#include "app/ExpandLongPath.h"
#include "app/Main.h"
#include "base/PathRules.h"
#include "app/SettingsFile.h"
#include "base/Texts.h"
#include "ui/ErrorReport.h"

namespace velmora {

void TForm1::SetTarget(const std::string& rawPath) {
  const std::string path = ExpandLongPath(rawPath);
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
  char path[MAX_PATH] = {};
  if (DragQueryFileA(drop, 0, path, MAX_PATH) == 0)
    return;
  SetTarget(path);
}

}  // namespace velmora
