#include "shortcut/Destination.h"

#include <algorithm>

#include "base/PathRules.h"

namespace velmora {

int ClampDestinationIndex(int stored) {
  return std::clamp(stored, kNoDestination, kDestinationCount - 1);
}

bool IsPickerDestination(int index) {
  return index >= 0 && index < kDestinationCount &&
         kDestinationRows[index].kind == DestinationKind::kPickerFolder;
}

std::optional<Destination> ResolveDestination(int index, std::string_view targetPath,
                                              std::string_view pickerFolder) {
  if (index < 0 || index >= kDestinationCount)
    return std::nullopt;
  const DestinationRow& row = kDestinationRows[index];
  switch (row.kind) {
    case DestinationKind::kSpecialFolder:
      return Destination{row.caption, row.specialFolder};
    case DestinationKind::kTargetFolder:
      return Destination{DirectoryOf(targetPath), std::nullopt};
    case DestinationKind::kPickerFolder:
      return Destination{std::string(pickerFolder), std::nullopt};
  }
  return std::nullopt;
}

}  // namespace velmora
