#pragma once
// The shortcut writer's request for MakeShortcut's arguments, with the four values the writer
// takes from the window read now: destination, picker directory, icon file and icon index.
#include <string>

#include "shortcut/ShortcutWriter.h"

namespace velmora {

class TForm1;

ShortcutRequest WindowShortcutRequest(const TForm1& form, const std::string& targetPath,
                                      const std::string& shortcutName, const std::string& arguments,
                                      int folderNumber, int showCommand, bool addSuffix);

}  // namespace velmora
