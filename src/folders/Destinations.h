#pragma once
// The destinations of RadioGroup1, by their index.

namespace velmora::destination {

inline constexpr int kNone = -1;
inline constexpr int kDesktop = 0;
inline constexpr int kStartMenu = 1;
inline constexpr int kStartup = 2;
inline constexpr int kSendTo = 3;
inline constexpr int kSameDirectory = 4;  // the target's folder
inline constexpr int kAnyDirectory = 5;   // the folder opened in the picker
inline constexpr int kCount = 6;

// The two destinations whose folder is the picker's directory rather than a special folder.
inline constexpr bool IsPickerFolder(int index) {
  return index == kSameDirectory || index == kAnyDirectory;
}

}  // namespace velmora::destination
