#include "folders/DirectoryItems.h"

#include <algorithm>
#include <cstdint>

#include "base/LeadBytes.h"
#include "base/PathRules.h"

namespace velmora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool EndsWithBackslash(std::string_view path) {
  const std::size_t last = LeadBytes::Active().LastCharStart(path);
  return last != npos && last + 1 == path.size() && path[last] == '\\';
}

std::vector<DirectoryItem> TreeItems(std::string_view directory) {
  std::vector<DirectoryItem> tree;
  const std::string root = DrivePart(directory) + '\\';
  std::string_view rest = directory;
  int level = 0;
  if (root.size() > 2 && root[1] == '\\') {
    tree.push_back({root, FolderKind::kOpen});
    rest = directory.size() > root.size() ? directory.substr(root.size()) : std::string_view();
    level = 1;
  }
  if (rest.empty())
    return tree;
  if (!EndsWithBackslash(rest)) {
    for (std::size_t separator = FindBackslash(rest, 0); separator != npos;
         separator = FindBackslash(rest, 0)) {
      // The drive item keeps its backslash, so that it reads C:\ as the root does.
      std::string text(rest.substr(0, level == 0 ? separator + 1 : separator));
      tree.push_back({std::move(text), FolderKind::kOpen});
      rest.remove_prefix(separator + 1);
      ++level;
    }
  }
  tree.push_back({std::string(rest), FolderKind::kCurrent});
  return tree;
}

}  // namespace

int CountBackslashes(std::string_view path) {
  // One walk: FindBackslash walks from the start each time.
  const LeadBytes& lead = LeadBytes::Active();
  int count = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += lead.CharLength(path, pos)) {
    if (lead.CharLength(path, pos) == 1 && path[pos] == '\\')
      ++count;
  }
  return count;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!EndsWithBackslash(folder))
    path += '\\';
  path += name;
  return path;
}

DirectoryItems::DirectoryItems(std::string directory, std::vector<SubfolderName> subfolders)
    : directory_(std::move(directory)),
      closedIndent_(4 * CountBackslashes(directory_) + 6),
      tree_(TreeItems(directory_)),
      subfolders_(std::move(subfolders)) {}

int DirectoryItems::Count() const {
  return static_cast<int>(tree_.size() + subfolders_.size());
}

const std::string& DirectoryItems::Text(int index) const {
  const auto at = static_cast<std::size_t>(index);
  return at < tree_.size() ? tree_[at].text : subfolders_.at(at - tree_.size()).text;
}

FolderKind DirectoryItems::Kind(int index) const {
  const auto at = static_cast<std::size_t>(index);
  return at < tree_.size() ? tree_[at].kind : FolderKind::kClosed;
}

int DirectoryItems::Indent(int index) const {
  if (Kind(index) == FolderKind::kClosed)
    return closedIndent_;
  return 4 * index + 2;
}

bool DirectoryItems::CanOpen(int index) const {
  if (index < 0 || index >= Count())
    return false;
  const auto at = static_cast<std::size_t>(index);
  return at < tree_.size() || subfolders_[at - tree_.size()].inCodePage;
}

std::string DirectoryItems::Path(int index) const {
  if (!CanOpen(index))
    return {};
  const std::string drive = DrivePart(directory_);
  if (index == 0)
    return drive + '\\';
  switch (Kind(index)) {
    case FolderKind::kClosed:
      return JoinPath(directory_, Text(index));
    case FolderKind::kCurrent:
      return directory_;
    case FolderKind::kOpen:
      break;
  }
  // A folder above the open one: the directory up to its (index + 1)-th backslash after the
  // drive part.
  const std::string_view rest = std::string_view(directory_).substr(drive.size());
  std::size_t end = npos;
  for (int found = 0; found <= index; ++found) {
    end = FindBackslash(rest, end == npos ? 0 : end + 1);
    if (end == npos)
      return directory_;
  }
  return drive + std::string(rest.substr(0, end));
}

namespace {
// Puts the names into `order` (positions before the sort) in place, cycle by cycle.
void TakeOrder(std::vector<SubfolderName>& names, std::vector<std::size_t>& order) {
  for (std::size_t start = 0; start < order.size(); ++start) {
    std::size_t at = start;
    while (order[at] != start) {
      std::swap(names[at], names[order[at]]);
      const std::size_t next = order[at];
      order[at] = at;
      at = next;
    }
    order[at] = at;
  }
}
}  // namespace

void SortSubfolderNames(std::vector<SubfolderName>& names, NameComparison compare, SortKey key) {
  // Without a key every name gets the same one, which leaves the whole order to `compare`.
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const SubfolderName& name : names)
    keys.push_back(key ? key(name.text) : std::string());
  SortSubfolderNames(
      names, std::vector<std::string_view>(keys.begin(), keys.end()),
      [&](std::size_t a, std::size_t b) { return compare(names[a].text, names[b].text); });
}

void SortSubfolderNames(std::vector<SubfolderName>& names,
                        const std::vector<std::string_view>& keys,
                        const PositionComparison& compare) {
  // Positions in the listed order, sorted stably: of equal names the one listed first leads.
  std::vector<std::size_t> order(names.size());
  const auto listed = [&order] {
    for (std::size_t i = 0; i < order.size(); ++i)
      order[i] = i;
  };
  listed();
  // The keys' first bytes as one number decide most comparisons without touching the strings.
  std::vector<std::uint64_t> leads(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    std::uint64_t lead = 0;
    for (std::size_t at = 0; at < 8; ++at)
      lead = (lead << 8) | (at < keys[i].size() ? static_cast<unsigned char>(keys[i][at]) : 0u);
    leads[i] = lead;
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return leads[a] != leads[b] ? leads[a] < leads[b] : keys[a] < keys[b];
  });
  // The keys' order checked by `compare`: a wrong one leaves the order to `compare`, and a run
  // of equal names goes back to the listed order.
  for (std::size_t first = 0, next = 1; next <= order.size(); ++next) {
    const int relation = next < order.size() ? compare(order[next - 1], order[next]) : -1;
    if (relation > 0) {
      listed();
      std::stable_sort(order.begin(), order.end(),
                       [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
      break;
    }
    if (relation < 0) {
      std::sort(order.begin() + static_cast<std::ptrdiff_t>(first),
                order.begin() + static_cast<std::ptrdiff_t>(next));
      first = next;
    }
  }
  TakeOrder(names, order);
}

}  // namespace velmora
