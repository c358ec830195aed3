#include "shortcut/CreateRules.h"

#include <iterator>

#include "shortcut/ShortcutTexts.h"

namespace velmora {

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
