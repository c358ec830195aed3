// The window's side of the shortcut writer: the four values it reads from the controls.
#include "shortcut/MakeShortcut.h"

#include "app/Main.h"
#include "folders/DestinationFolder.h"

namespace velmora {

ShortcutRequest WindowShortcutRequest(const TForm1& form, const std::string& targetPath,
                                      const std::string& shortcutName, const std::string& arguments,
                                      int folderNumber, int showCommand, bool addSuffix) {
  ShortcutRequest request;
  request.targetPath = targetPath;
  request.shortcutName = shortcutName;
  request.arguments = arguments;
  request.folderNumber = folderNumber;
  request.showCommand = showCommand;
  request.addSuffix = addSuffix;
  request.destinationIndex = form.RadioGroup1.ItemIndex();
  request.pickerDirectory = PickerDestinationFolder(request.destinationIndex, form.Edit1.Text(),
                                                    form.DirectoryListBox1.Directory());
  request.iconFile = form.Edit4.Text();
  request.iconIndex = form.ImageListBox1.ItemIndex();
  return request;
}

void TForm1::MakeShortcut(const std::string& targetPath, const std::string& shortcutName,
                          const std::string& arguments, int folderNumber, int showCommand,
                          bool addSuffix) {
  WriteShortcut(WindowShortcutRequest(*this, targetPath, shortcutName, arguments, folderNumber,
                                      showCommand, addSuffix));
}

}  // namespace velmora
