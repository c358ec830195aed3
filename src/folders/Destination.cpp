#include "folders/Destination.h"

#include "base/PathRules.h"
#include "folders/FolderTexts.h"

namespace velmora {

std::optional<Destination> ResolveDestination(int index, std::string_view targetPath,
                                              std::string_view pickerFolder) {
  // CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS, CSIDL_STARTUP, CSIDL_SENDTO.
  constexpr int kSpecialFolders[] = {16, 2, 7, 9};
  switch (index) {
    case destination::kDesktop:
    case destination::kStartMenu:
    case destination::kStartup:
    case destination::kSendTo:
      return Destination{text::kDestinations[index], kSpecialFolders[index], {}};
    case destination::kSameDirectory:
    case destination::kAnyDirectory: {
      std::string folder = index == destination::kSameDirectory ? DirectoryOf(targetPath)
                                                                : std::string(pickerFolder);
      return Destination{folder, std::nullopt, folder};
    }
    default:
      return std::nullopt;
  }
}

}  // namespace velmora
