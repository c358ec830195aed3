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

// Writes the link whole or not at all. Its bytes are loaded back through a fresh link object,
// then go into a hidden file beside the link, whose name is no longer than the link's and which
// no other program can open; they are written, flushed and read back, each step checked, and the
// file takes the link's name in one step. A file of that name that another program holds is
// waited for about 2 s. On any failure the hidden file is gone and a file of the link's name
// stays as it was.
// Raises Error with the system's message (or "OLE ｴﾗｰ %.8x") when the link object cannot be
// created, "Interface はｻﾎﾟｰﾄされていません" when it refuses an interface, "ショートカットの作成先
// フォルダが見つかりません" when the special folder cannot be found, a message naming the file when
// its name holds bytes that are no text of the code page, and otherwise "<file> を作成できません",
// followed by "。<the system's reason>" when the system gave one. Every handle, COM reference,
// the memory the link is saved into and the item-ID list are released on every way out.
void WriteShortcut(const ShortcutRequest& request);

// The full file name WriteShortcut saves the link under: the destination's special folder or
// the folder it names, then the name and its ending. Raises the folder error as WriteShortcut does.
std::string ShortcutFileName(const ShortcutRequest& request);

}  // namespace velmora
