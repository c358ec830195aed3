#include "folders/SubfolderNames.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

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
// and converting back to the very same characters. One call each way into buffers on the stack,
// for folders with thousands of names.
SubfolderName InCodePage(std::wstring_view name, bool asciiAsIs) {
  if (asciiAsIs && std::all_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x80; })) {
    return {std::string(name.begin(), name.end()), true};
  }
  // Names come from a MAX_PATH buffer; no code page takes more than four bytes a character.
  char bytes[4 * MAX_PATH];
  BOOL usedDefault = FALSE;
  const int size = static_cast<int>(name.size());
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), size, bytes,
                                         static_cast<int>(sizeof bytes), nullptr, &usedDefault);
  if (length > 0 && !usedDefault) {
    wchar_t back[MAX_PATH];
    const int backLength =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, length, back, MAX_PATH);
    if (backLength == size && name.compare(0, name.size(), back, name.size()) == 0)
      return {std::string(bytes, static_cast<std::size_t>(length)), true};
  }
  return {ToAnsiMarked(name), false};
}

// Whether the system code page gives the ASCII characters as themselves, as every Windows code
// page does; checked, not assumed.
bool KeepsAscii() {
  char ascii[127];
  for (int i = 0; i < 127; ++i)
    ascii[i] = static_cast<char>(i + 1);
  wchar_t wide[127];
  if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ascii, 127, wide, 127) != 127)
    return false;
  for (int i = 0; i < 127; ++i) {
    if (wide[i] != static_cast<wchar_t>(i + 1))
      return false;
  }
  return true;
}

// Whether the locale's byte-string sort calls read bytes in the system code page, the one the
// names were converted to: then a name's UTF-16 form, when exact, sorts as its bytes do, and the
// calls need not convert every name again.
bool SortsInSystemCodePage() {
  DWORD codePage = 0;
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage),
                        static_cast<int>(sizeof codePage / sizeof(wchar_t))) > 0 &&
         codePage == GetACP();
}

int CompareNames(const std::string& left, const std::string& right) {
  // Names come from a MAX_PATH buffer, far below INT_MAX.
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.data(),
                        static_cast<int>(left.size()), right.data(),
                        static_cast<int>(right.size())) -
         CSTR_EQUAL;
}

int CompareWideNames(std::wstring_view left, std::wstring_view right) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.data(),
                        static_cast<int>(left.size()), right.data(),
                        static_cast<int>(right.size())) -
         CSTR_EQUAL;
}

std::string_view KeyFrom(const char* key, int length) {
  // Without a key the name sorts first, and the check by CompareStringA finds it out of order.
  return length > 0 ? std::string_view(key, static_cast<std::size_t>(length) - 1)
                    : std::string_view();
}

// Appends a key whose byte order is CompareStringA's order, computed once a name instead of in
// every comparison: it halves the sorting of a folder with thousands of subfolders.
void AppendSortKey(std::string& keys, const std::string& name) {
  char key[2048];
  keys +=
      KeyFrom(key, LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name.data(),
                                static_cast<int>(name.size()), key, static_cast<int>(sizeof key)));
}

// The same key made from the name's UTF-16 form (for a sort key the length counts bytes).
void AppendWideSortKey(std::string& keys, std::wstring_view name) {
  char key[2048];
  keys += KeyFrom(key, LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE,
                                    name.data(), static_cast<int>(name.size()),
                                    reinterpret_cast<LPWSTR>(key), static_cast<int>(sizeof key)));
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
  // Each exact name's UTF-16 form as listed, for the sort; none for the others.
  const bool wideSorts = SortsInSystemCodePage();
  const bool asciiAsIs = KeepsAscii();
  std::wstring wide;
  std::vector<std::pair<std::size_t, std::size_t>> wideAt;
  do {
    if (!IsListedFolder(entry))
      continue;
    const std::wstring_view name(entry.cFileName);
    names.push_back(InCodePage(name, asciiAsIs));
    const bool exact = wideSorts && names.back().inCodePage;
    wideAt.emplace_back(wide.size(), exact ? name.size() : 0);
    if (exact)
      wide.append(name);
  } while (FindNextFileW(search.Get(), &entry));

  const auto wideName = [&](std::size_t i) {
    return std::wstring_view(wide).substr(wideAt[i].first, wideAt[i].second);
  };
  // The keys one after another in one string, looked at through views once all are made.
  std::string keyText;
  keyText.reserve(names.size() * 64);
  std::vector<std::size_t> keyEnds;
  keyEnds.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (wideAt[i].second)
      AppendWideSortKey(keyText, wideName(i));
    else
      AppendSortKey(keyText, names[i].text);
    keyEnds.push_back(keyText.size());
  }
  std::vector<std::string_view> keys;
  keys.reserve(names.size());
  for (std::size_t i = 0, start = 0; i < names.size(); start = keyEnds[i++])
    keys.push_back(std::string_view(keyText).substr(start, keyEnds[i] - start));
  SortSubfolderNames(names, keys, [&](std::size_t a, std::size_t b) {
    return wideAt[a].second && wideAt[b].second ? CompareWideNames(wideName(a), wideName(b))
                                                : CompareNames(names[a].text, names[b].text);
  });
  return names;
}

}  // namespace velmora
