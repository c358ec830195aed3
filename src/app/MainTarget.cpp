// The target: browse, drop and command line all end in SetTarget.
#include <utility>
#include <vector>

#include "app/ExpandLongPath.h"
#include "app/Main.h"
#include "app/MainTexts.h"
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

bool TForm1::TakeNextTarget() {
  while (const std::optional<std::wstring> next = targets_.Next()) {
    SetText(Caption());
    std::optional<std::string> prepared = std::exchange(preparedTarget_, std::nullopt);
    if (ui::RunGuarded([&] { TakeTarget(prepared ? *prepared : QueuedTargetPath(*next)); }))
      return true;
  }
  return false;
}

std::string TForm1::Caption() const {
  return QueueCaption(text::kAppTitle, targets_.Position(), targets_.Count());
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
  const ui::UniqueDrop finish(drop);  // DragFinish once the target has been taken
  std::vector<std::wstring> paths = DroppedPaths(drop);
  if (paths.empty())
    return;
  // The dropped items replace the targets not yet served.
  targets_.Replace(std::move(paths));
  TakeNextTarget();
}

}  // namespace velmora
