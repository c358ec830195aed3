#pragma once
// The destinations of RadioGroup1, one table row each, and where each one puts the shortcut:
// decided here once, for the window's items, the question that names the destination and the
// writer.
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "shortcut/ShortcutTexts.h"

namespace velmora {

enum class DestinationKind {
  kSpecialFolder,  // a folder of the shell, looked up when the shortcut is written
  kTargetFolder,   // the folder that holds the target
  kPickerFolder,   // the folder open in the picker, which this choice enables
};

// The shell's special folders by their CSIDL_ names (<shlobj.h>, which window-free code does not
// include; ShortcutWriter.cpp checks the values against it).
namespace csidl {
inline constexpr int kPrograms = 0x0002;          // CSIDL_PROGRAMS
inline constexpr int kStartup = 0x0007;           // CSIDL_STARTUP
inline constexpr int kSendTo = 0x0009;            // CSIDL_SENDTO
inline constexpr int kDesktopDirectory = 0x0010;  // CSIDL_DESKTOPDIRECTORY
}  // namespace csidl

struct DestinationRow {
  const char* caption;
  DestinationKind kind;
  int specialFolder = 0;  // the CSIDL of a kSpecialFolder row
};

// A row's index is its radio item's, RadioGroup1's ItemIndex, which users' settings files keep
// under "ItemIndex": a new destination goes at the end, and no row moves or goes away.
inline constexpr DestinationRow kDestinationRows[] = {
    {text::kDestinationDesktop, DestinationKind::kSpecialFolder, csidl::kDesktopDirectory},
    {text::kDestinationStartMenu, DestinationKind::kSpecialFolder, csidl::kPrograms},
    {text::kDestinationStartup, DestinationKind::kSpecialFolder, csidl::kStartup},
    {text::kDestinationSendTo, DestinationKind::kSpecialFolder, csidl::kSendTo},
    {text::kDestinationSameDirectory, DestinationKind::kTargetFolder},
    {text::kDestinationAnyDirectory, DestinationKind::kPickerFolder},
};
inline constexpr int kDestinationCount = static_cast<int>(std::size(kDestinationRows));
// RadioGroup1's ItemIndex while no item is chosen.
inline constexpr int kNoDestination = -1;

// A stored ItemIndex as RadioGroup1 takes it: below the first row no item is chosen, above the
// last row the last one is.
int ClampDestinationIndex(int stored);

// Whether item `index` writes into the folder open in the picker, which it enables.
bool IsPickerDestination(int index);

struct Destination {
  // What the question names: a special folder's caption, or the very folder that receives the
  // shortcut.
  std::string label;
  // The shell's special folder (CSIDL) that receives the shortcut, its path looked up when the
  // shortcut is written; none when the label is the folder.
  std::optional<int> specialFolder;
};

// The destination of item `index`, by its row's kind. A special folder is named by its caption.
// A folder of the user's choosing is named as it is: the target's folder, DirectoryOf(target),
// also when the picker could not follow the target there; or the folder open in the picker,
// unchanged. nullopt for any other index: no item is chosen.
std::optional<Destination> ResolveDestination(int index, std::string_view targetPath,
                                              std::string_view pickerFolder);

}  // namespace velmora
