#include "shortcut/CreateRules.h"

#include <iterator>

#include "base/PathRules.h"
#include "base/Texts.h"
#include "folders/Destinations.h"

namespace velmora {

std::optional<std::string> DestinationLabel(int destinationIndex, std::string_view targetPath,
                                            std::string_view pickerDirectory) {
  if (destinationIndex >= destination::kDesktop && destinationIndex <= destination::kSendTo) {
    return std::string(text::kDestinations[destinationIndex]);
  }
  if (destinationIndex == destination::kSameDirectory) {
    return DirectoryOf(targetPath);
  }
  if (destinationIndex == destination::kAnyDirectory) {
    return std::string(pickerDirectory);
  }
  return std::nullopt;
}

std::optional<int> FolderNumberFor(int destinationIndex) {
  // CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS, CSIDL_STARTUP, CSIDL_SENDTO; the two folder
  // destinations look up CSIDL_RECENT, whose path the writer then does not use.
  constexpr int kFolderNumbers[] = {16, 2, 7, 9, 8, 8};
  if (destinationIndex < 0 || destinationIndex >= static_cast<int>(std::size(kFolderNumbers))) {
    return std::nullopt;
  }
  return kFolderNumbers[destinationIndex];
}

std::optional<int> ShowCommandFor(int windowStateIndex) {
  // SW_SHOWDEFAULT (not SW_SHOWNORMAL), SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED.
  constexpr int kShowCommands[] = {10, 7, 3};
  if (windowStateIndex < 0 || windowStateIndex >= static_cast<int>(std::size(kShowCommands))) {
    return std::nullopt;
  }
  return kShowCommands[windowStateIndex];
}

std::string LinkArguments(std::string_view targetPath, std::string_view parameters) {
  // A plain byte search: no double-byte character has a space as its second byte.
  const std::size_t space = targetPath.find(' ');
  if (space != std::string_view::npos && space >= 1 && !parameters.empty()) {
    std::string quoted;
    quoted.reserve(parameters.size() + 2);
    quoted += '"';
    quoted += parameters;
    quoted += '"';
    return quoted;
  }
  return std::string(parameters);
}

std::string ConfirmationText(std::string_view shortcutName, std::string_view destinationLabel) {
  std::string result = "\"";
  result += shortcutName;
  result += '"';
  result += text::kConfirmAfterName;
  result += destinationLabel;
  result += text::kConfirmEnd;
  return result;
}

std::string ProductBanner() {
  return text::kProductBanner;
}

}  // namespace velmora
