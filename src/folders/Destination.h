#pragma once
// The destinations of RadioGroup1 by their index, and where each one puts the shortcut: decided
// here once, for the question that names it and for the writer.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

namespace destination {
inline constexpr int kNone = -1;
inline constexpr int kDesktop = 0;
inline constexpr int kStartMenu = 1;
inline constexpr int kStartup = 2;
inline constexpr int kSendTo = 3;
inline constexpr int kSameDirectory = 4;  // the target's folder
inline constexpr int kAnyDirectory = 5;   // the folder opened in the picker
inline constexpr int kCount = 6;
}  // namespace destination

struct Destination {
  // What the question names: a special folder's caption, or the very folder that receives the
  // shortcut.
  std::string label;
  // The shell's special folder (CSIDL) that receives the shortcut, its path looked up when the
  // shortcut is written; none when the label is the folder.
  std::optional<int> specialFolder;
};

// The destination of item `index`. 0 to 3: the desktop, Start menu programs, startup and Send To
// folders (CSIDL 16, 2, 7, 9), named by their captions. 4 and 5 write into a folder of the user's
// choosing, named as it is: 4 the target's folder, DirectoryOf(target), also when the picker
// could not follow the target there; 5 the folder open in the picker, unchanged. nullopt for
// any other index: no item is chosen.
std::optional<Destination> ResolveDestination(int index, std::string_view targetPath,
                                              std::string_view pickerFolder);

}  // namespace velmora
