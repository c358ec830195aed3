#include "app/TargetRules.h"

#include <algorithm>

#include "base/LeadBytes.h"
#include "base/PathRules.h"

namespace velmora {

namespace {

bool IsSeparator(char byte) {
  return byte == '\\' || byte == '/';
}

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool SameDrive(char a, char b) {
  return (a | 0x20) == (b | 0x20);
}

// `folder` is not empty.
std::string Joined(std::string_view folder, std::string_view relative) {
  std::string joined(folder);
  if (relative.empty())
    return joined;
  const LeadBytes& lead = LeadBytes::Active();
  const std::size_t last = lead.LastCharStart(folder);
  if (lead.CharLength(folder, last) != 1 || !IsSeparator(folder[last]))
    joined += '\\';
  joined += relative;
  return joined;
}

}  // namespace

std::string ResolveAgainst(std::string_view folder, std::string_view path) {
  if (folder.empty() || path.empty())
    return std::string(path);
  if (HasDrive(path)) {
    if (path.size() >= 3 && IsSeparator(path[2]))
      return std::string(path);
    if (!HasDrive(folder) || !SameDrive(path[0], folder[0]))
      return std::string(path);
    return Joined(folder, path.substr(2));
  }
  if (IsSeparator(path[0])) {
    const std::string root = DrivePart(folder);
    if (root.empty() || (path.size() >= 2 && IsSeparator(path[1])))
      return std::string(path);
    return root + std::string(path);
  }
  return Joined(folder, path);
}

std::string ExpandLongNames(const std::string& path, const LongNameLookup& lookup) {
  // The byte limit of a path the system's ANSI lookup takes, its closing zero included.
  constexpr std::size_t kLookupLimit = 260;
  constexpr std::size_t npos = std::string::npos;
  const std::string full = lookup.fullPath(path);
  if (DrivePart(full).size() != 2 || full.size() < 3 || full[2] != '\\')
    return full;

  std::string result = full.substr(0, 2);
  std::size_t start = 3;  // the first character after the drive's backslash
  while (start < full.size()) {
    const std::size_t end = std::min(FindBackslash(full, start), full.size());
    // Each lookup takes its prefix from the absolute form, not from the rewritten result.
    const std::string_view component = std::string_view(full).substr(start, end - start);
    std::optional<std::string> name;
    if (!component.empty() && end < kLookupLimit && component.find_first_of("*?") == npos)
      name = lookup.storedName(full.substr(0, end));
    result += '\\';
    if (!name || name->empty() || FindBackslash(*name, 0) != npos) {
      result.append(full, start, npos);
      break;
    }
    result += *name;
    start = end + 1;
  }
  return result;
}

std::string WithRootBackslash(std::string_view path) {
  std::string result(path);
  if (path.size() == 2 && HasDrive(path))
    result += '\\';
  return result;
}

}  // namespace velmora
