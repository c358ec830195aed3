#include "folders/DestinationFolder.h"

#include "base/PathRules.h"
#include "folders/Destinations.h"

namespace velmora {

std::string PickerDestinationFolder(int destinationIndex, std::string_view targetPath,
                                    std::string_view pickerDirectory) {
  switch (destinationIndex) {
    case destination::kSameDirectory:
      return DirectoryOf(targetPath);
    case destination::kAnyDirectory:
      return std::string(pickerDirectory);
    default:
      return {};
  }
}

}  // namespace velmora
