#include "folders/DirectoryPath.h"

#include <windows.h>

#include <climits>
#include <string_view>

#include "base/LeadBytes.h"
#include "base/PathRules.h"
#include "folders/IoErrorText.h"
#include "base/Error.h"

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

bool IsExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
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

// The root of a path's volume with its closing backslash (C:\ or \\server\share\); empty when
// the path names none.
std::string VolumeRoot(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') {
    return std::string(path.substr(0, 2)) + '\\';
  }
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    const std::size_t server = FindBackslash(path, 2);
    if (server == std::string_view::npos) {
      return {};
    }
    const std::size_t share = FindBackslash(path, server + 1);
    return share == std::string_view::npos ? std::string(path) + '\\'
                                           : std::string(path.substr(0, share + 1));
  }
  return {};
}

bool IsCaseSensitiveVolume(std::string_view path) {
  const std::string root = VolumeRoot(path);
  DWORD flags = 0;
  // Without an answer from the volume, paths compare as on the usual case-insensitive ones.
  if (!GetVolumeInformationA(root.empty() ? nullptr : root.c_str(), nullptr, 0, nullptr, nullptr,
                             &flags, nullptr, 0)) {
    return false;
  }
  return (flags & FS_CASE_SENSITIVE) != 0;
}

// Lower case for comparing paths. On double-byte systems only the single-byte letters A-Z
// change; the second byte of a double-byte character is left alone even where it has the code
// of a capital letter (ア is 0x83 0x41).
std::string LowerForComparison(std::string text) {
  if (GetSystemMetrics(SM_DBCSENABLED)) {
    const LeadBytes& lead = LeadBytes::Active();
    for (std::size_t pos = 0; pos < text.size(); pos += lead.CharLength(text, pos)) {
      if (lead.CharLength(text, pos) == 1 && text[pos] >= 'A' && text[pos] <= 'Z') {
        text[pos] = static_cast<char>(text[pos] - 'A' + 'a');
      }
    }
  } else if (!text.empty() && text.size() <= MAXDWORD) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  }
  return text;
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
  if (!hasLastComponent) {
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

bool SameDirectory(const std::string& current, const std::string& other) {
  if (current.size() > INT_MAX || other.size() > INT_MAX) {
    return false;
  }
  const bool caseSensitive = IsCaseSensitiveVolume(current);
  const std::string left = caseSensitive ? current : LowerForComparison(current);
  const std::string right = caseSensitive ? other : LowerForComparison(other);
  return CompareStringA(LOCALE_USER_DEFAULT, 0, left.data(), static_cast<int>(left.size()),
                        right.data(), static_cast<int>(right.size())) == CSTR_EQUAL;
}

}  // namespace velmora
