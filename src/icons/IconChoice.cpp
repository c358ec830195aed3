#include "icons/IconChoice.h"

#include <algorithm>

#include "icons/CheckedIconFile.h"
#include "icons/FileIcon.h"
#include "icons/IconRules.h"
#include "icons/IconStrip.h"
#include "icons/StoredIcons.h"

namespace velmora {

namespace {
// Icons drawn into one strip at most (32 at 32 pixels). Under Wine much of the memory taken while
// a wide strip is drawn and added stays with the process: strips of 16,384 pixels left 4 MB
// behind after a 1,000-icon list, these 0.4 MB above the list itself, at the same speed.
constexpr int kStripPixels = 1024;
}  // namespace

ui::UniqueIcon PreviewIcon(const std::string& path) {
  const CheckedIconFile file(path);
  return PreviewSourceFor(path) == PreviewSource::FirstStoredIcon ? StoredIcon(file, 0)
                                                                  : ShellIcon(file);
}

ListedIcons FillIconImages(ui::ImageList& images, const std::string& path, int cellSize,
                           HICON shellIcon) {
  images.Clear();
  // The file stays checked and unchanged until the images are made.
  const CheckedIconFile file(path);
  if (file.Missing())
    return {FileIcons::kMissing, file.Stamp()};
  const int count = file.Count();
  if (count == 0) {
    ui::UniqueIcon read;
    if (!shellIcon) {
      read = ShellIcon(file);
      shellIcon = read.Get();
    }
    if (shellIcon) {
      IconStrip strip(1, cellSize);
      strip.Draw(0, shellIcon);
      strip.AddTo(images);
    }
    return {FileIcons::kNoneStored, file.Stamp()};
  }
  const StoredIcons stored(file);
  const int perStrip = std::max(1, kStripPixels / cellSize);
  ui::UniqueIcon icon;
  for (int first = 0; first < count; first += perStrip) {
    const int inStrip = std::min(perStrip, count - first);
    IconStrip strip(inStrip, cellSize);
    for (int i = 0; i < inStrip; ++i) {
      icon = stored.Large(first + i, cellSize);
      strip.Draw(i, icon.Get());
    }
    if (!strip.AddTo(images))
      break;
  }
  return {FileIcons::kStored, file.Stamp()};
}

}  // namespace velmora
