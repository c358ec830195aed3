// The directory list's items for any folder the system could report: the tree's texts rebuild
// the folder, each item's path is where opening it leads (nothing for a name the code page cannot
// hold), and sorting keeps every name, with or without sort keys, in one and the same order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzChecks.h"
#include "base/PathRules.h"
#include "folders/DirectoryItems.h"

namespace {

using namespace velmora;
using namespace velmora::fuzz;

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
// Bytes compared with A to Z taken as a to z: the test's stand-in for the locale's comparison.
int CompareIgnoringCase(const std::string& left, const std::string& right) {
  for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
    const auto a = static_cast<unsigned char>(Lower(left[i]));
    const auto b = static_cast<unsigned char>(Lower(right[i]));
    if (a != b)
      return a < b ? -1 : 1;
  }
  return left.size() < right.size() ? -1 : left.size() > right.size() ? 1 : 0;
}
std::string LowerKey(const std::string& name) {
  std::string key = name;
  for (char& c : key)
    c = Lower(c);
  return key;
}
// A key that orders otherwise than the comparison: the sort must find out and still agree.
std::string ReversedKey(const std::string& name) {
  return std::string(name.rbegin(), name.rend());
}

bool SameNames(const std::vector<SubfolderName>& a, const std::vector<SubfolderName>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.text == y.text && x.inCodePage == y.inCodePage;
  });
}

void CheckSort(const std::vector<SubfolderName>& names) {
  std::vector<SubfolderName> expected = names;
  std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
    return CompareIgnoringCase(a.text, b.text) < 0;
  });
  for (const SortKey key : {SortKey(nullptr), &LowerKey, &ReversedKey}) {
    std::vector<SubfolderName> sorted = names;
    SortSubfolderNames(sorted, &CompareIgnoringCase, key);
    VELMORA_FUZZ_CHECK(SameNames(sorted, expected));
  }
}

// A folder as the system reports one: a drive or network root and whole components, no closing
// backslash but at the root.
std::string Folder(Fields& fields) {
  const std::uint64_t shape = fields.Number();
  const bool network = shape % 2 != 0;
  std::string folder = network ? "\\\\" : std::string{static_cast<char>('A' + shape / 2 % 26), ':'};
  const std::size_t parts = static_cast<std::size_t>(shape / 64 % 6) + (network ? 2 : 0);
  const LeadBytes& lead = LeadBytes::Active();
  for (std::size_t i = 0; i < parts; ++i) {
    std::string part(WholeText(fields.Next()));
    for (std::size_t pos = 0; pos < part.size(); pos += lead.CharLength(part, pos)) {
      if (IsSingle(part, pos, '\\'))
        part[pos] = '_';
    }
    if (!(network && i == 0))
      folder += '\\';
    folder += part.empty() ? "x" : part;
  }
  return parts == (network ? 2 : 0) ? folder + "\\" : folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fields fields(data, size);
  const std::string directory = Folder(fields);
  std::vector<SubfolderName> names;
  for (std::string_view field = fields.Next(); !field.empty(); field = fields.Next()) {
    const bool marked = field[0] == '?';
    names.push_back({std::string(marked ? field.substr(1) : field), !marked});
  }
  CheckSort(names);

  const DirectoryItems items(directory, names);
  const int open = items.OpenFolderIndex();
  const int count = items.Count();
  VELMORA_FUZZ_CHECK(open >= 0 && count == open + 1 + static_cast<int>(names.size()));
  VELMORA_FUZZ_CHECK(items.Path(0) == DrivePart(directory) + "\\");
  VELMORA_FUZZ_CHECK(items.Path(open) == directory);
  VELMORA_FUZZ_CHECK(items.Path(count).empty() && items.Path(-1).empty());
  // Each tree item leads to the folder above the next one.
  for (int i = 0; i < open; ++i) {
    VELMORA_FUZZ_CHECK(items.Kind(i) == FolderKind::kOpen && items.Indent(i) == 4 * i + 2);
    VELMORA_FUZZ_CHECK(JoinPath(items.Path(i), items.Text(i + 1)) == items.Path(i + 1));
  }
  VELMORA_FUZZ_CHECK(
      items.Kind(open) ==
      (open == 0 && directory[1] == '\\' ? FolderKind::kOpen : FolderKind::kCurrent));
  const int backslashes = CountBackslashes(directory);
  for (std::size_t j = 0; j < names.size(); ++j) {
    const int i = open + 1 + static_cast<int>(j);
    VELMORA_FUZZ_CHECK(items.Kind(i) == FolderKind::kClosed && items.Text(i) == names[j].text);
    VELMORA_FUZZ_CHECK(items.Indent(i) == 4 * backslashes + 6 &&
                       items.Indent(i) > items.Indent(open));
    VELMORA_FUZZ_CHECK(items.CanOpen(i) == names[j].inCodePage);
    const std::string path = items.Path(i);
    if (!names[j].inCodePage) {
      VELMORA_FUZZ_CHECK(path.empty());
      continue;
    }
    VELMORA_FUZZ_CHECK(path == JoinPath(directory, names[j].text));
    VELMORA_FUZZ_CHECK(CountBackslashes(path) == backslashes + CountBackslashes(names[j].text) +
                                                     (EndsWithSingle(directory, '\\') ? 0 : 1));
  }
  return 0;
}
