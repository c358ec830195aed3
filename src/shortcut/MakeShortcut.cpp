// The window's side of the shortcut writer: the four values it reads from the controls.
#include "app/Main.h"
#include "folders/DestinationFolder.h"
#include "shortcut/ShortcutWriter.h"

namespace velmora {

void TForm1::MakeShortcut(const std::string& targetPath, const std::string& shortcutName,
                          const std::string& arguments, int folderNumber, int showCommand,
                          bool addSuffix) {
  ShortcutRequest request;
  request.targetPath = targetPath;
  request.shortcutName = shortcutName;
  request.arguments = arguments;
  request.folderNumber = folderNumber;
  request.showCommand = showCommand;
  request.addSuffix = addSuffix;
  request.destinationIndex = RadioGroup1.ItemIndex();
  request.pickerDirectory = PickerDestinationFolder(request.destinationIndex, Edit1.Text(),
                                                    DirectoryListBox1.Directory());
  request.iconFile = Edit4.Text();
  request.iconIndex = ImageListBox1.ItemIndex();
  WriteShortcut(request);
}

}  // namespace velmora
