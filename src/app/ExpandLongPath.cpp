#include "app/ExpandLongPath.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <string_view>

#include "app/TargetRules.h"
#include "base/KernelHandles.h"
#include "base/WideText.h"

namespace velmora {

namespace {

// Absolute form through the wide call, for paths the ANSI layer refuses because the input or
// the result is longer than MAX_PATH. Empty when that fails too.
std::string WideFullPathName(const std::string& path) {
  const std::optional<std::wstring> wide = ToWide(path);
  if (path.empty() || !wide)
    return {};

  std::wstring full;
  DWORD length = GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
  // The current folder may change between the two calls; a few rounds settle it.
  for (int round = 0; round < 4 && length > full.size(); ++round) {
    full.assign(length, L'\0');
    length = GetFullPathNameW(wide->c_str(), length, full.data(), nullptr);
  }
  if (length == 0 || length >= full.size())
    return {};
  return ToAnsi(std::wstring_view(full.data(), length)).value_or(std::string());
}

// The path made absolute. A form that does not fit MAX_PATH is fetched with the size the system
// asks for, so that it is never cut into a different path; a path that can't be resolved at
// all is kept as given.
std::string FullPathName(const std::string& path) {
  std::string full(MAX_PATH, '\0');
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full.data(), nullptr);
  for (int round = 0; round < 4 && length >= full.size(); ++round) {
    full.assign(length, '\0');
    length = GetFullPathNameA(path.c_str(), length, full.data(), nullptr);
  }
  if (length > 0 && length < full.size()) {
    full.resize(length);
    return full;
  }
  std::string wide = WideFullPathName(path);
  return wide.empty() ? path : wide;
}

// The stored name of the last component, as the system finds it.
std::optional<std::string> StoredName(const std::string& path) {
  WIN32_FIND_DATAA found;
  const UniqueFind search(FindFirstFileA(path.c_str(), &found));
  if (!search)
    return std::nullopt;
  const char* name = found.cFileName;
  return std::string(name, std::find(name, name + std::size(found.cFileName), '\0'));
}

}  // namespace

std::string ExpandLongPath(const std::string& path) {
  return ExpandLongNames(path, {&FullPathName, &StoredName});
}

std::string TargetPath(const std::string& path) {
  return WithRootBackslash(ExpandLongPath(path));
}

}  // namespace velmora
