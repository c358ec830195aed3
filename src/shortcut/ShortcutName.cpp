#include "shortcut/ShortcutName.h"

#include <array>
#include <cstring>

#include "base/Error.h"
#include "base/LeadBytes.h"
#include "shortcut/ShortcutTexts.h"

namespace velmora {

namespace {

bool IsForbidden(char byte) {
  return static_cast<unsigned char>(byte) < 0x20 || std::strchr("\\/:*?\"<>|", byte) != nullptr;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size())
    return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c =
        text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
    if (c != upper[i])
      return false;
  }
  return true;
}

bool IsDeviceName(std::string_view stem) {
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view device : kDevices) {
    if (EqualsIgnoringCase(stem, device))
      return true;
  }
  return stem.size() == 4 &&
         (EqualsIgnoringCase(stem.substr(0, 3), "COM") ||
          EqualsIgnoringCase(stem.substr(0, 3), "LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

NameProblem FindNameProblem(std::string_view name, bool addSuffix) {
  const LeadBytes& lead = LeadBytes::Active();
  // A lead byte that stands alone ends the name cut short: it would take the next byte written
  // after it, the dot of ".lnk" or the ending's first byte, as its second.
  for (std::size_t pos = 0; pos < name.size(); pos += lead.CharLength(name, pos)) {
    if (lead.CharLength(name, pos) == 1 && (IsForbidden(name[pos]) || lead.IsLead(name[pos])))
      return NameProblem::kForbiddenCharacter;
  }

  // The link file's name without ".lnk": what the user sees in a folder.
  std::string shown(name);
  if (addSuffix) {
    const std::string_view suffix = text::kShortcutSuffix;
    shown += suffix.substr(0, suffix.size() - std::strlen(text::kLinkExtension));
  }
  if (shown.empty())
    return NameProblem::kEmpty;
  const std::size_t last = lead.LastCharStart(shown);
  if (lead.CharLength(shown, last) == 1 && (shown[last] == '.' || shown[last] == ' '))
    return NameProblem::kEndsInDotOrBlank;

  // The system takes a device name whatever follows its first dot, and drops the blanks before
  // that dot: "nul .txt.lnk" is the device NUL.
  std::size_t stemEnd = 0;
  while (stemEnd < shown.size() &&
         !(lead.CharLength(shown, stemEnd) == 1 && shown[stemEnd] == '.')) {
    stemEnd += lead.CharLength(shown, stemEnd);
  }
  std::string_view stem = std::string_view(shown).substr(0, stemEnd);
  while (!stem.empty() && stem.back() == ' ')
    stem.remove_suffix(1);
  return IsDeviceName(stem) ? NameProblem::kDeviceName : NameProblem::kNone;
}

std::string NameProblemText(NameProblem problem, std::string_view name) {
  switch (problem) {
    case NameProblem::kNone:
      return {};
    case NameProblem::kForbiddenCharacter:
      return text::kNameForbiddenCharacter;
    case NameProblem::kEmpty:
      return text::kNameEmpty;
    case NameProblem::kEndsInDotOrBlank:
      return text::kNameEndsInDotOrBlank;
    case NameProblem::kDeviceName:
      return FormatText(text::kNameIsDevice, std::string(name));
  }
  return {};
}

}  // namespace velmora
