#pragma once
// The picker's two lists as a screen reader or a test sees them, in this process or another:
// the item texts the lists keep, the drives present, and the items a folder should show.
#include <windows.h>

#include <string>
#include <vector>

namespace velmora::testing {

std::vector<std::string> ListTexts(HWND list);
std::vector<std::string> ComboTexts(HWND combo);

// The directory list's first items for a folder: its root (C:\), then each folder's name down
// to it. Double-byte aware.
std::vector<std::string> FolderTree(const std::string& folder);

// "a:", "c:", ... for each drive the drive list shows (removable, fixed, network, CD-ROM, RAM).
std::vector<std::string> DriveLetters();

// D: of the test prefix is a folder labelled "Data Disk" (tools/wine-prefix.sh).
bool HasDataDisk();

// The input/output error for a folder that does not exist ("ﾌｧｲﾙが見つかりません" or
// "不正なﾌｧｲﾙ名です"), raised or reported with its full stop.
bool IsMissingFolderError(const std::string& message);

int IndexOf(const std::vector<std::string>& texts, const std::string& text);

}  // namespace velmora::testing
