#include "folders/SubfolderNames.h"

#include <windows.h>

#include <string_view>

#include "base/KernelHandles.h"
#include "base/WideText.h"

namespace velmora {

namespace {

// The attribute of a volume label entry, which the SDK no longer names.
constexpr DWORD kVolumeLabel = 0x8;
constexpr DWORD kLeftOut = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel;

bool IsListedFolder(const WIN32_FIND_DATAW& entry) {
  if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (entry.dwFileAttributes & kLeftOut) != 0) {
    return false;
  }
  const wchar_t* name = entry.cFileName;
  return !(name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0')));
}

// The name as the byte-string calls take it, when they take it exactly: without look-alikes,
// and converting back to the very same characters.
SubfolderName InCodePage(std::wstring_view name) {
  if (std::optional<std::string> exact = ToAnsi(name, true)) {
    const std::optional<std::wstring> back = ToWide(*exact, true);
    if (back && *back == name)
      return {std::move(*exact), true};
  }
  return {ToAnsiMarked(name), false};
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

std::vector<SubfolderName> ReadSubfolderNames(const std::string& folder) {
  std::vector<SubfolderName> names;
  const std::optional<std::wstring> pattern = ToWide(JoinPath(folder, "*.*"), true);
  if (!pattern)
    return names;
  WIN32_FIND_DATAW entry{};
  UniqueFind search(FindFirstFileW(pattern->c_str(), &entry));
  if (!search)
    return names;
  do {
    if (IsListedFolder(entry))
      names.push_back(InCodePage(entry.cFileName));
  } while (FindNextFileW(search.Get(), &entry));
  SortSubfolderNames(names, &CompareNames, &SortKeyOf);
  return names;
}

}  // namespace velmora
