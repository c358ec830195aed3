#include "folders/DriveItems.h"

namespace velmora {

namespace {

char LowerLetter(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<DriveKind> DriveKindOf(unsigned driveType) {
  switch (driveType) {
    case 2:
      return DriveKind::kRemovable;
    case 3:
      return DriveKind::kFixed;
    case 4:
      return DriveKind::kRemote;
    case 5:
      return DriveKind::kCdRom;
    case 6:
      return DriveKind::kRamDisk;
    default:
      return std::nullopt;
  }
}

char InTextCase(char letter, TextCase textCase) {
  const char lower = LowerLetter(letter);
  return textCase == TextCase::kUpperCase && lower >= 'a' && lower <= 'z'
             ? static_cast<char>(lower - 'a' + 'A')
             : lower;
}

bool SameDriveLetter(char left, char right) {
  return LowerLetter(left) == LowerLetter(right);
}

std::string VolumeTag(std::string_view name) {
  std::string tag = "[";
  tag += name;
  tag += ']';
  return tag;
}

std::string DriveItemText(char letter, DriveKind kind, std::string_view tagOrName) {
  std::string text{letter, ':'};
  if (kind != DriveKind::kRemovable) {
    text += ' ';
    text += tagOrName;
  }
  return text;
}

int FindDriveItem(const std::vector<std::string>& texts, char letter) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string& text = texts[i];
    if (text.size() >= 2 && text[1] == ':' && SameDriveLetter(text[0], letter))
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace velmora
