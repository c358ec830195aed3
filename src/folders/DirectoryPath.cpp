#include "folders/DirectoryPath.h"

#include <windows.h>

#include <climits>
#include <string_view>

#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "folders/CodePageCase.h"
#include "folders/DirectoryItems.h"
#include "folders/IoErrorText.h"

namespace velmora {

namespace {

[[noreturn]] void RaiseIoError(DWORD code) {
  throw Error(IoErrorText(code));
}

// The absolute form of a path, within the limit that SetCurrentDirectoryA accepts anyway.
std::string ResolvePath(const std::string& path) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0) {
    RaiseIoError(GetLastError());
  }
  if (length >= MAX_PATH) {
    RaiseIoError(ERROR_FILENAME_EXCED_RANGE);
  }
  return std::string(full, length);
}

// Puts the previous current directory back unless the entering went through.
class CurrentDirectoryRestorer {
 public:
  CurrentDirectoryRestorer() : saved_(CurrentDirectory()) {}
  ~CurrentDirectoryRestorer() {
    if (!committed_ && !saved_.empty()) {
      SetCurrentDirectoryA(saved_.c_str());
    }
  }
  CurrentDirectoryRestorer(const CurrentDirectoryRestorer&) = delete;
  CurrentDirectoryRestorer& operator=(const CurrentDirectoryRestorer&) = delete;

  void Commit() { committed_ = true; }

 private:
  std::string saved_;
  bool committed_ = false;
};

void Enter(const std::string& folder) {
  if (!SetCurrentDirectoryA(folder.c_str())) {
    RaiseIoError(GetLastError());
  }
}

}  // namespace

std::string CurrentDirectory() {
  std::string buffer;
  DWORD length = GetCurrentDirectoryA(0, nullptr);
  // Another thread may change the folder between the calls; a few rounds settle it.
  for (int round = 0; round < 4 && length > buffer.size(); ++round) {
    buffer.assign(length, '\0');
    length = GetCurrentDirectoryA(length, buffer.data());
  }
  buffer.resize(length < buffer.size() ? length : 0);
  return buffer;
}

std::string EnterDirectory(const std::string& path) {
  if (path.empty()) {
    return CurrentDirectory();
  }
  CurrentDirectoryRestorer restorer;
  const std::string full = ResolvePath(path);

  const std::size_t separator = FindLastOf(full, "\\");
  const bool hasLastComponent = separator != std::string::npos && separator + 1 < full.size();
  if (DrivePart(full) == full) {
    // A network root without its closing backslash: the share is no folder of the server's.
    Enter(full + '\\');
  } else if (!hasLastComponent) {
    Enter(full);
  } else {
    const std::string last = full.substr(separator + 1);
    const bool dropLast = last.find_first_of("*?") != std::string::npos || IsExistingFile(full);
    // The folder part keeps its backslash, so that C:\ stays the root and is not the drive's
    // current folder.
    Enter(full.substr(0, separator + 1));
    if (!dropLast) {
      Enter(last);
    }
  }

  std::string entered = CurrentDirectory();
  restorer.Commit();
  return entered;
}

std::optional<unsigned long> FileSystemFlags(std::string_view path) {
  const std::string drive = DrivePart(path);
  const std::string root = drive.empty() ? std::string() : drive + '\\';
  DWORD flags = 0;
  if (!GetVolumeInformationA(root.empty() ? nullptr : root.c_str(), nullptr, 0, nullptr, nullptr,
                             &flags, nullptr, 0)) {
    return std::nullopt;
  }
  return flags;
}

bool SameDirectory(const std::string& current, const std::string& other) {
  if (current.size() > INT_MAX || other.size() > INT_MAX) {
    return false;
  }
  // Without an answer from the volume, paths compare as on the usual case-insensitive ones.
  const bool caseSensitive = (FileSystemFlags(current).value_or(0) & FS_CASE_SENSITIVE) != 0;
  const std::string left = caseSensitive ? current : CodePageLower(current);
  const std::string right = caseSensitive ? other : CodePageLower(other);
  return CompareStringA(LOCALE_USER_DEFAULT, 0, left.data(), static_cast<int>(left.size()),
                        right.data(), static_cast<int>(right.size())) == CSTR_EQUAL;
}

}  // namespace velmora
