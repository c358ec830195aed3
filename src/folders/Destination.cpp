#include "folders/Destination.h"

#include "base/PathRules.h"
#include "folders/FolderTexts.h"

namespace velmora {

std::optional<Destination> ResolveDestination(int index, std::string_view targetPath,
                                              std::string_view pickerFolder) {
  // CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS, CSIDL_STARTUP, CSIDL_SENDTO.
  constexpr int kSpecialFolders[] = {16, 2, 7, 9};
  if (index < 0 || index >= destination::kCount)
    return std::nullopt;
  if (index < destination::kSameDirectory)
    return Destination{text::kDestinations[index], kSpecialFolders[index]};
  return Destination{
      index == destination::kSameDirectory ? DirectoryOf(targetPath) : std::string(pickerFolder),
      std::nullopt};
}

}  // namespace velmora
