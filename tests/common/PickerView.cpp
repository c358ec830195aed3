#include "PickerView.h"

#include <algorithm>

#include "TestTexts.h"
#include "base/PathRules.h"
#include "base/WideText.h"

namespace velmora::testing {

namespace {

// The program may sit in another process: a hung one must not hang the test.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

// Read as UTF-16: Wine hands an item text to another process in UTF-16 even when an ANSI call
// asked for it.
std::vector<std::string> Texts(HWND control, UINT count, UINT length, UINT get) {
  std::vector<std::string> texts;
  const LRESULT items = Ask(control, count, 0);
  for (LRESULT i = 0; i < items; ++i) {
    // An item gone since the count (the list is being rebuilt) reads as empty.
    const LRESULT size = std::max<LRESULT>(Ask(control, length, static_cast<WPARAM>(i)), 0);
    std::wstring text(static_cast<std::size_t>(size) + 1, L'\0');
    const LRESULT got =
        Ask(control, get, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, size)));
    texts.push_back(ToAnsi(text).value_or("?"));
  }
  return texts;
}

}  // namespace

std::vector<std::string> ListTexts(HWND list) {
  return Texts(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboTexts(HWND combo) {
  return Texts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> FolderTree(const std::string& folder) {
  std::vector<std::string> tree = {folder.substr(0, 3)};
  for (std::size_t start = 3; start < folder.size();) {
    const std::size_t end = std::min(FindBackslash(folder, start), folder.size());
    tree.push_back(folder.substr(start, end - start));
    start = end + 1;
  }
  return tree;
}

std::vector<std::string> DriveLetters() {
  std::vector<std::string> letters;
  const DWORD present = GetLogicalDrives();
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if ((present & (1u << (letter - 'a'))) && type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK)
      letters.push_back(std::string{letter, ':'});
  }
  return letters;
}

bool HasDataDisk() {
  char label[MAX_PATH + 1] = {};
  return GetVolumeInformationA("D:\\", label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                               0) &&
         std::string(label) == "Data Disk";
}

bool IsMissingFolderError(const std::string& message) {
  const bool reported = !message.empty() && message.back() == '.';
  const std::string text = reported ? message.substr(0, message.size() - 1) : message;
  return text == test_text::kIoFileNotFound || text == test_text::kIoInvalidName;
}

int IndexOf(const std::vector<std::string>& texts, const std::string& text) {
  const auto found = std::find(texts.begin(), texts.end(), text);
  return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

}  // namespace velmora::testing
