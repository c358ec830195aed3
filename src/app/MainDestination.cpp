// The destination choice and the custom-folder picker.
#include "app/Main.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "shortcut/Destination.h"

namespace velmora {

void TForm1::RadioGroup1Click() {
  if (IsPickerDestination(RadioGroup1.ItemIndex())) {
    EnableCustomFolder(true);
    return;
  }
  EnableCustomFolder(false);
  const std::string target = Edit1.Text();
  // Without a target the list reduces the executable's path to the folder that holds it.
  DirectoryListBox1.SetDirectory(target.empty() ? ExecutablePath() : DirectoryOf(target));
}

void TForm1::EnableCustomFolder(bool enable) {
  GroupBox2.SetEnabled(enable);
  GroupBox2.SetFontColor(enable ? RGB(0, 0, 0) : ui::SystemColor(COLOR_GRAYTEXT));
}

}  // namespace velmora
