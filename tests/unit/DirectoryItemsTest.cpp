#include "folders/DirectoryItems.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using velmora::DirectoryItems;
using velmora::FolderKind;
using velmora::SubfolderName;

constexpr FolderKind kOpen = FolderKind::kOpen;
constexpr FolderKind kCurrent = FolderKind::kCurrent;
constexpr FolderKind kClosed = FolderKind::kClosed;

// ソ is 0x83 0x5C: its second byte has the code of a backslash.
const std::string kSo = "\x83\x5C";

struct Row {
  std::string text;
  FolderKind kind;
  int indent;
  std::string path;
};

struct Case {
  std::string directory;
  std::vector<SubfolderName> subfolders;
  std::vector<Row> rows;
  int openFolderIndex;
};

TEST(DirectoryItems, TreeFromTheRootThenSubfoldersWithIndentsAndPaths) {
  const Case cases[] = {
      {"C:\\",
       {{"Program Files"}, {"Windows"}},
       {{"C:\\", kCurrent, 2, "C:\\"},
        {"Program Files", kClosed, 10, "C:\\Program Files"},
        {"Windows", kClosed, 10, "C:\\Windows"}},
       0},
      {"C:\\Windows\\System",
       {{"Color"}},
       {{"C:\\", kOpen, 2, "C:\\"},
        {"Windows", kOpen, 6, "C:\\Windows"},
        {"System", kCurrent, 10, "C:\\Windows\\System"},
        {"Color", kClosed, 14, "C:\\Windows\\System\\Color"}},
       2},
      {"\\\\server\\share\\docs",
       {{"old"}},
       {{"\\\\server\\share\\", kOpen, 2, "\\\\server\\share\\"},
        {"docs", kCurrent, 6, "\\\\server\\share\\docs"},
        {"old", kClosed, 22, "\\\\server\\share\\docs\\old"}},
       1},
      {"\\\\server\\share\\a\\b",
       {},
       {{"\\\\server\\share\\", kOpen, 2, "\\\\server\\share\\"},
        {"a", kOpen, 6, "\\\\server\\share\\a"},
        {"b", kCurrent, 10, "\\\\server\\share\\a\\b"}},
       2},
      // A network root: the root is the only tree item, open yet the one selected.
      {"\\\\server\\share\\",
       {{"docs"}},
       {{"\\\\server\\share\\", kOpen, 2, "\\\\server\\share\\"},
        {"docs", kClosed, 22, "\\\\server\\share\\docs"}},
       0},
      // The trail byte of ソ neither splits a name nor counts as a backslash.
      {"C:\\" + kSo + "\\a" + kSo,
       {{kSo + "x"}},
       {{"C:\\", kOpen, 2, "C:\\"},
        {kSo, kOpen, 6, "C:\\" + kSo},
        {"a" + kSo, kCurrent, 10, "C:\\" + kSo + "\\a" + kSo},
        {kSo + "x", kClosed, 14, "C:\\" + kSo + "\\a" + kSo + "\\" + kSo + "x"}},
       2},
      {"D:\\" + kSo, {}, {{"D:\\", kOpen, 2, "D:\\"}, {kSo, kCurrent, 6, "D:\\" + kSo}}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.directory);
    const DirectoryItems items(c.directory, c.subfolders);
    ASSERT_EQ(items.Count(), static_cast<int>(c.rows.size()));
    EXPECT_EQ(items.OpenFolderIndex(), c.openFolderIndex);
    for (int i = 0; i < items.Count(); ++i) {
      SCOPED_TRACE(i);
      const Row& row = c.rows[static_cast<std::size_t>(i)];
      EXPECT_EQ(items.Text(i), row.text);
      EXPECT_EQ(items.Kind(i), row.kind);
      EXPECT_EQ(items.Indent(i), row.indent);
      EXPECT_EQ(items.Path(i), row.path);
    }
    EXPECT_EQ(items.Path(items.Count()), "");
    EXPECT_EQ(items.Path(-1), "");
  }
}

// What the table above does not reach: network roots without a share, a colon after a
// double-byte character, and drive letters.
TEST(DirectoryItems, DrivePartsAndLetters) {
  using velmora::DriveLetterOf;
  using velmora::DrivePart;
  EXPECT_EQ(DrivePart("\\\\server\\share"), "\\\\server\\share");
  EXPECT_EQ(DrivePart("\\\\server"), "\\\\server");
  EXPECT_EQ(DrivePart("\\Windows"), "");
  EXPECT_EQ(DrivePart(kSo + ":"), "");
  EXPECT_EQ(DriveLetterOf("C:\\Windows"), 'C');
  EXPECT_EQ(DriveLetterOf("\\\\server\\share\\docs"), '\0');
  EXPECT_EQ(DriveLetterOf(""), '\0');
}

// A folder the code page cannot name is listed as the code page shows it, and opens nothing:
// neither the folder its marked text would match ("caf?" as a pattern) nor one of the same
// text ("cafe" for "café").
TEST(DirectoryItems, AFolderTheCodePageCannotNameIsListedButOpensNothing) {
  const DirectoryItems items("C:\\Pick", {{"caf?", false}, {"cafe"}, {"?", false}, {"?", false}});
  ASSERT_EQ(items.Count(), 6);
  const int first = items.OpenFolderIndex() + 1;
  const bool canOpen[] = {false, true, false, false};
  const char* paths[] = {"", "C:\\Pick\\cafe", "", ""};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items.Kind(first + i), kClosed);
    EXPECT_EQ(items.CanOpen(first + i), canOpen[i]);
    EXPECT_EQ(items.Path(first + i), paths[i]);
  }
  EXPECT_EQ(items.Text(first), "caf?");
  EXPECT_TRUE(items.CanOpen(0));
  EXPECT_FALSE(items.CanOpen(items.Count()));
  EXPECT_FALSE(items.CanOpen(-1));
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}
int CompareIgnoringCase(const std::string& left, const std::string& right) {
  return Lower(left).compare(Lower(right));
}
std::string LowerKey(const std::string& name) {
  return Lower(name);
}
// Orders equal names by case, not as they were listed.
std::string CapitalsFirstKey(const std::string& name) {
  return Lower(name) + (name[0] >= 'a' ? "1" : "0");
}
// Orders capitals before small letters, which the comparison does not.
std::string MisleadingKey(const std::string& name) {
  return name;
}

std::vector<std::string> Texts(const std::vector<SubfolderName>& names) {
  std::vector<std::string> texts;
  for (const SubfolderName& name : names)
    texts.push_back(name.text);
  return texts;
}

// Names that compare equal are different folders: all stay, in the order they were listed.
TEST(DirectoryItems, SubfolderNamesSortedWithEqualNamesAllKeptInListedOrder) {
  for (const velmora::SortKey key :
       {velmora::SortKey(nullptr), &LowerKey, &CapitalsFirstKey, &MisleadingKey}) {
    std::vector<SubfolderName> names = {{"beta"},  {"alpha"}, {"ALPHA"}, {"Gamma"},   {"?", false},
                                        {"Alpha"}, {"Beta2"}, {"BETA"},  {"?", false}};
    velmora::SortSubfolderNames(names, &CompareIgnoringCase, key);
    EXPECT_EQ(Texts(names), (std::vector<std::string>{"?", "?", "alpha", "ALPHA", "Alpha", "beta",
                                                      "BETA", "Beta2", "Gamma"}));
    EXPECT_FALSE(names[0].inCodePage);
    EXPECT_FALSE(names[1].inCodePage);
    EXPECT_TRUE(names[2].inCodePage);

    std::vector<SubfolderName> none;
    velmora::SortSubfolderNames(none, &CompareIgnoringCase, key);
    EXPECT_TRUE(none.empty());
  }
}

}  // namespace
