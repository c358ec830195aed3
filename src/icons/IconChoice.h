#pragma once
// What the window's icon choice shows of a file: its preview and the images of all its icons.
// Each goes through the icon-file check (CheckedIconFile.h) first; one icon of a checked file
// comes from FileIcon.h.
#include <string>

#include "icons/IconRules.h"
#include "ui/Handles.h"
#include "ui/ImageList.h"

namespace velmora {

// The preview of a file: a program's first stored icon, the shell's icon for any other file.
ui::UniqueIcon PreviewIcon(const std::string& path);

// What a file gave the image list, and the file's stamp when it did.
struct ListedIcons {
  FileIcons icons = FileIcons::kMissing;
  IconFileStamp stamp;
};

// Empties the list and fills it with the file's icons, each made from its image for the
// large-icon size `cellSize` and scaled to the list's image size. An icon that cannot be read
// leaves its image empty rather than moving the ones after it; images the list refuses end it
// there. A damaged file counts as one without icons. `shellIcon`, when given, is the shell's
// icon for the file read a moment ago (the preview's), used instead of reading it again.
ListedIcons FillIconImages(ui::ImageList& images, const std::string& path, int cellSize,
                           HICON shellIcon = nullptr);

}  // namespace velmora
