#include "app/ExpandLongPath.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <string_view>

#include "base/KernelHandles.h"
#include "base/PathRules.h"
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

bool HasWildcard(std::string_view component) {
  return component.find_first_of("*?") != std::string_view::npos;
}

}  // namespace

std::string ExpandLongPath(const std::string& path) {
  const std::string full = FullPathName(path);
  if (full.size() < 2 || full[1] != ':') {
    return full;
  }

  std::string result = full.substr(0, 2);
  std::size_t start = 3;  // the first character after the drive's backslash
  while (start < full.size()) {
    std::size_t end = FindBackslash(full, start);
    if (end == std::string::npos) {
      end = full.size();
    }
    // Each lookup takes its prefix from the absolute form, not from the rewritten result. A
    // wildcard would match some other entry and a prefix beyond MAX_PATH can't be looked up:
    // both count as not found.
    const std::string prefix = full.substr(0, end);
    WIN32_FIND_DATAA found;
    const bool lookable =
        prefix.size() < MAX_PATH && !HasWildcard(std::string_view(full).substr(start, end - start));
    const UniqueFind search(lookable ? FindFirstFileA(prefix.c_str(), &found)
                                     : INVALID_HANDLE_VALUE);
    result += '\\';
    if (!search) {
      result.append(full, start, std::string::npos);
      break;
    }
    const char* name = found.cFileName;
    result.append(name, std::find(name, name + std::size(found.cFileName), '\0'));
    start = end + 1;
  }
  return result;
}

}  // namespace velmora
