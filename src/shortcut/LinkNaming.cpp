#include "shortcut/LinkNaming.h"

#include "base/Error.h"
#include "base/PathRules.h"
#include "shortcut/ShortcutTexts.h"

namespace velmora {

std::string LinkWorkingDirectory(std::string_view targetPath) {
  const std::size_t separator = FindLastOf(targetPath, "\\:");
  if (separator == std::string_view::npos) {
    return {};
  }
  return std::string(targetPath.substr(0, separator + 1));
}

std::string LinkFileName(std::string_view folder, std::string_view name, bool addSuffix) {
  std::string fileName(folder);
  fileName += '\\';
  fileName += name;
  fileName += addSuffix ? text::kShortcutSuffix : text::kLinkExtension;
  return fileName;
}

std::string CannotCreateText(const std::string& fileName, std::string_view reason) {
  if (reason.empty())
    return FormatText(text::kCannotCreate, fileName);
  return FormatText(text::kCannotCreateBecause, fileName) + std::string(reason);
}

}  // namespace velmora
