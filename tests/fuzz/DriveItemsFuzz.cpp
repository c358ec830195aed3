// The drive list's items: drive types answered or left out as a whole, letters in either case
// standing for one drive, and the item a letter finds is the first item of that drive.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzChecks.h"
#include "folders/DriveItems.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Fields fields(data, size);
  const auto type = static_cast<unsigned>(fields.Number());
  const char letter = static_cast<char>(fields.Number());
  const std::string_view tag = fields.Next();

  const std::optional<DriveKind> kind = DriveKindOf(type);
  VELMORA_FUZZ_CHECK(kind.has_value() == (type >= 2 && type <= 6));
  for (const TextCase textCase : {TextCase::kLowerCase, TextCase::kUpperCase}) {
    const char shown = InTextCase(letter, textCase);
    VELMORA_FUZZ_CHECK(SameDriveLetter(shown, letter) && SameDriveLetter(letter, shown));
    VELMORA_FUZZ_CHECK(InTextCase(shown, textCase) == shown);
  }
  VELMORA_FUZZ_CHECK(SameDriveLetter(letter, '\0') == (letter == '\0'));
  VELMORA_FUZZ_CHECK(VolumeTag(tag) == "[" + std::string(tag) + "]");

  const std::string text = DriveItemText(letter, kind.value_or(DriveKind::kFixed), tag);
  VELMORA_FUZZ_CHECK(text.size() >= 2 && text[0] == letter && text[1] == ':');
  VELMORA_FUZZ_CHECK(text.size() == 2 || text.substr(3) == tag);

  // Items from the remaining fields: a letter finds the first whose drive it is, or none.
  std::vector<std::string> texts;
  for (std::string_view field = fields.Next(); !field.empty(); field = fields.Next())
    texts.emplace_back(field);
  const int found = FindDriveItem(texts, letter);
  const auto isDrive = [&](const std::string& item) {
    return item.size() >= 2 && item[1] == ':' && SameDriveLetter(item[0], letter);
  };
  VELMORA_FUZZ_CHECK(found >= -1 && found < static_cast<int>(texts.size()));
  for (int i = 0; i < (found < 0 ? static_cast<int>(texts.size()) : found); ++i)
    VELMORA_FUZZ_CHECK(!isDrive(texts[static_cast<std::size_t>(i)]));
  if (found >= 0)
    VELMORA_FUZZ_CHECK(isDrive(texts[static_cast<std::size_t>(found)]));
  texts.push_back(text);
  VELMORA_FUZZ_CHECK(FindDriveItem(texts, letter) ==
                     (found >= 0 ? found : static_cast<int>(texts.size()) - 1));
  return 0;
}
