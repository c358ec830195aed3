#pragma once
// Writes one shell link file through the shell's link object.
#include <string>

#include "shortcut/Destination.h"

namespace velmora {

struct ShortcutRequest {
  std::string targetPath;
  std::string shortcutName;
  std::string arguments;
  Destination destination;  // its special folder, or the folder it names, receives the link
  int showCommand = 0;      // SW_ value, stored unchanged
  bool addSuffix = false;
  std::string iconFile;
  int iconIndex = 0;
};

// Writes the link whole or not at all. Its bytes go first into a hidden file beside the link,
// checked on the way (every write, the flush, the size, a load through the shell's link object
// with the same target), and then take the link's name in one step; on any failure that file is
// removed and a file of the link's name stays as it was.
// Raises Error with the system's message (or "OLE ｴﾗｰ %.8x") when the link object cannot be
// created, "Interface はｻﾎﾟｰﾄされていません" when it refuses an interface, "ショートカットの作成先
// フォルダが見つかりません" when the special folder cannot be found, a message naming the file when
// its name holds bytes that are no text of the code page, "<file> を作成できません" when the folder
// takes no file of that name, and "<file> を作成できません。<the system's reason>" when the link's
// bytes cannot be stored (a full disk). Every handle, COM reference, the memory the link is
// saved into and the item-ID list are released on every way out.
void WriteShortcut(const ShortcutRequest& request);

// The full file name WriteShortcut saves the link under: the destination's special folder or
// the folder it names, then the name and its ending. Raises the folder error as WriteShortcut does.
std::string ShortcutFileName(const ShortcutRequest& request);

}  // namespace velmora
