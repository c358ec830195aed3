#include "folders/SubfolderNames.h"

#include <windows.h>

#include "base/KernelHandles.h"
#include "folders/DirectoryItems.h"

namespace velmora {

namespace {

// The attribute of a volume label entry, which the SDK no longer names.
constexpr DWORD kVolumeLabel = 0x8;
constexpr DWORD kLeftOut = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel;

bool IsListedFolder(const WIN32_FIND_DATAA& entry) {
  if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (entry.dwFileAttributes & kLeftOut) != 0) {
    return false;
  }
  const char* name = entry.cFileName;
  return !(name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')));
}

int CompareNames(const std::string& left, const std::string& right) {
  // Names come from a MAX_PATH buffer, far below INT_MAX.
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.data(),
                        static_cast<int>(left.size()), right.data(),
                        static_cast<int>(right.size())) -
         CSTR_EQUAL;
}

}  // namespace

std::vector<std::string> ReadSubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry{};
  UniqueFind search(FindFirstFileA(JoinPath(folder, "*.*").c_str(), &entry));
  if (!search)
    return names;
  do {
    if (IsListedFolder(entry))
      names.emplace_back(entry.cFileName);
  } while (FindNextFileA(search.Get(), &entry));
  SortUniqueNames(names, &CompareNames);
  return names;
}

}  // namespace velmora
