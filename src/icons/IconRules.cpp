#include "icons/IconRules.h"

#include "base/LeadBytes.h"
#include "base/PathRules.h"

namespace velmora {

std::string LowerExtension(std::string_view path) {
  const std::size_t last = FindLastOf(path, ".\\:");
  if (last == std::string_view::npos || path[last] != '.')
    return {};
  std::string extension(path.substr(last));
  // The second byte of a double-byte character may have a letter's code: it is left alone.
  const LeadBytes& lead = LeadBytes::Active();
  for (std::size_t pos = 0; pos < extension.size(); pos += lead.CharLength(extension, pos)) {
    char& c = extension[pos];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

PreviewSource PreviewSourceFor(std::string_view path) {
  return LowerExtension(path) == ".exe" ? PreviewSource::FirstStoredIcon : PreviewSource::ShellIcon;
}

bool IsIconHandle(int index, std::uintptr_t answer) {
  return index >= 0 && answer > 1;
}

bool ListStillHolds(FileIcons listed, const IconFileStamp& then, const IconFileStamp& now) {
  switch (listed) {
    case FileIcons::kMissing:
      return !now.exists;
    case FileIcons::kNoneStored:
      // The shell's icon goes by the file's kind, whatever it holds.
      return now.exists;
    case FileIcons::kStored:
      return now.exists && now == then;
  }
  return false;
}

}  // namespace velmora
