#pragma once
// Writes one shell link file through the shell's link object.
#include <string>

namespace velmora {

struct ShortcutRequest {
  std::string targetPath;
  std::string shortcutName;
  std::string arguments;
  int folderNumber = 0;  // CSIDL of the special folder, looked up for destinations 0 to 3
  int showCommand = 0;   // SW_ value, stored unchanged
  bool addSuffix = false;
  int destinationIndex = 0;     // the picker destinations write into pickerDirectory
  std::string pickerDirectory;  // the directory list's folder
  std::string iconFile;
  int iconIndex = 0;
};

// Raises Error with the system's message (or "OLE ｴﾗｰ %.8x") when the link object cannot be
// created, "Interface はｻﾎﾟｰﾄされていません" when it refuses an interface, "ショートカットの作成先
// フォルダが見つかりません" when the special folder cannot be found, and "<file> を作成できません"
// when the save fails. Every COM reference and the item-ID list are released on every way out.
void WriteShortcut(const ShortcutRequest& request);

}  // namespace velmora
