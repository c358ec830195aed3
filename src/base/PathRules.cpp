#include "base/PathRules.h"

#include "base/LeadBytes.h"

namespace velmora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Whether the character starting at pos is a single byte and one of chars; the second byte of a
// double-byte character never starts one, so it never qualifies.
bool IsSingleByteOf(const LeadBytes& lead, std::string_view text, std::size_t pos,
                    std::string_view chars) {
  return lead.CharLength(text, pos) == 1 && chars.find(text[pos]) != npos;
}

}  // namespace

std::size_t FindBackslash(std::string_view path, std::size_t from) {
  const LeadBytes& lead = LeadBytes::Active();
  // Walk from the start even when `from` is further on: only a forward walk knows which bytes
  // begin characters.
  for (std::size_t pos = 0; pos < path.size(); pos += lead.CharLength(path, pos)) {
    if (pos >= from && IsSingleByteOf(lead, path, pos, "\\")) {
      return pos;
    }
  }
  return npos;
}

std::size_t FindLastOf(std::string_view path, std::string_view chars) {
  const LeadBytes& lead = LeadBytes::Active();
  std::size_t found = npos;
  for (std::size_t pos = 0; pos < path.size(); pos += lead.CharLength(path, pos)) {
    if (IsSingleByteOf(lead, path, pos, chars)) {
      found = pos;
    }
  }
  return found;
}

std::string DrivePart(std::string_view path) {
  const LeadBytes& lead = LeadBytes::Active();
  if (path.size() >= 2 && path[1] == ':' && lead.CharLength(path, 0) == 1)
    return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    const std::size_t server = FindBackslash(path, 2);
    const std::size_t share = server == npos ? npos : FindBackslash(path, server + 1);
    return std::string(share == npos ? path : path.substr(0, share));
  }
  return {};
}

char DriveLetterOf(std::string_view path) {
  const std::string drive = DrivePart(path);
  return drive.size() == 2 && drive[1] == ':' ? drive[0] : '\0';
}

std::string DirectoryOf(std::string_view path) {
  const std::size_t last = FindLastOf(path, "\\:");
  if (last == npos) {
    return {};
  }
  if (last >= 1 && path[last] == '\\') {
    // The separator before the last one decides whether this is a root (C:\ or \\): only then
    // does the closing backslash stay.
    const LeadBytes& lead = LeadBytes::Active();
    const std::string_view before = path.substr(0, last);
    if (!IsSingleByteOf(lead, before, lead.LastCharStart(before), "\\:")) {
      return std::string(before);
    }
  }
  return std::string(path.substr(0, last + 1));
}

std::string FileNameOf(std::string_view path) {
  const std::size_t separator = FindLastOf(path, "\\:");
  return std::string(separator == npos ? path : path.substr(separator + 1));
}

std::string ProposedName(std::string_view path) {
  const std::size_t dot = FindLastOf(path, ".\\:");
  return FileNameOf(dot != npos && path[dot] == '.' ? path.substr(0, dot) : path);
}

}  // namespace velmora
