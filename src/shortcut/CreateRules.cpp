#include "shortcut/CreateRules.h"

#include <iterator>

#include "base/LeadBytes.h"
#include "base/PathRules.h"
#include "shortcut/LinkNaming.h"
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

std::string LinkArguments(std::string_view targetPath, std::string_view parameters,
                          bool (*exists)(const std::string& path)) {
  std::string arguments(parameters);
  // Blanks split a command line into arguments; no double-byte character has one as its
  // second byte.
  constexpr std::string_view kBlanks = " \t";
  if (parameters.empty() || kBlanks.find(parameters.front()) != std::string_view::npos ||
      kBlanks.find(parameters.back()) != std::string_view::npos ||
      parameters.find_first_of(kBlanks) == std::string_view::npos ||
      parameters.find('"') != std::string_view::npos) {
    return arguments;
  }
  // A relative path is found from the folder the link starts its target in.
  const std::string workingDirectory = LinkWorkingDirectory(targetPath);
  std::string path = arguments;
  if (DrivePart(parameters).empty())
    path.insert(0, parameters.front() == '\\' ? DrivePart(workingDirectory) : workingDirectory);
  if (!exists(path))
    return arguments;
  // Backslashes right before a quote would escape it; doubled, they stand for themselves.
  const LeadBytes& lead = LeadBytes::Active();
  std::string closing = "\"";
  for (std::string_view rest = parameters;
       !rest.empty() && lead.LastCharStart(rest) == rest.size() - 1 && rest.back() == '\\';
       rest.remove_suffix(1)) {
    closing.insert(0, 1, '\\');
  }
  return '"' + arguments + closing;
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
