#include "app/TargetRules.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::ExpandLongNames;
using velmora::ResolveAgainst;
using velmora::WithRootBackslash;
namespace ut = velmora::unit_text;

TEST(TargetRules, CommandLinePathsAreTakenAgainstTheStartFolder) {
  const struct {
    const char* folder;
    const char* path;
    const char* resolved;
  } cases[] = {
      {"C:\\Start", "a.txt", "C:\\Start\\a.txt"},
      {"C:\\Start", "..\\b\\a.txt", "C:\\Start\\..\\b\\a.txt"},
      {"C:\\", "a.txt", "C:\\a.txt"},
      {"C:\\Start", "\\Other\\a.txt", "C:\\Other\\a.txt"},
      {"C:\\Start", "c:a.txt", "C:\\Start\\a.txt"},
      {"\\\\srv\\share\\Start", "a.txt", "\\\\srv\\share\\Start\\a.txt"},
      {"\\\\srv\\share\\Start", "\\a.txt", "\\\\srv\\share\\a.txt"},
      // Absolute paths, and a drive-relative one on another drive, are left to the system.
      {"C:\\Start", "D:\\x\\a.txt", "D:\\x\\a.txt"},
      {"C:\\Start", "D:a.txt", "D:a.txt"},
      {"C:\\Start", "\\\\srv\\share\\a.txt", "\\\\srv\\share\\a.txt"},
      {"", "a.txt", "a.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.folder) + " + " + c.path);
    EXPECT_EQ(ResolveAgainst(c.folder, c.path), c.resolved);
  }
  // A folder whose last character's second byte is a backslash code still gets its separator.
  EXPECT_EQ(ResolveAgainst(ut::kSoFolder, "a"), std::string(ut::kSoFolder) + "\\a");
}

TEST(TargetRules, OnlyADriveRootGetsItsBackslashBack) {
  EXPECT_EQ(WithRootBackslash("C:"), "C:\\");
  EXPECT_EQ(WithRootBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithRootBackslash("C:\\Dir"), "C:\\Dir");
  EXPECT_EQ(WithRootBackslash("\\\\srv\\share"), "\\\\srv\\share");
  EXPECT_EQ(WithRootBackslash(""), "");
}

// A disk of a few entries: the lookups' paths, in any case, and the names stored for them.
TEST(TargetRules, LongNamesFromTheDiskUntilTheFirstComponentNotFound) {
  const std::string so = ut::kSo;
  const std::map<std::string, std::string> disk = {{"C:\\CUR", "Cur"},
                                                   {"C:\\CUR\\PROGRA~1", "Program Files"},
                                                   {"C:\\" + so, so + "x"},
                                                   {"C:\\BAD", "a\\b"},
                                                   {"C:\\EMPTY", ""}};
  std::vector<std::string> asked;
  const velmora::LongNameLookup lookup{
      [](const std::string& path) {
        return path.size() > 1 && (path[1] == ':' || path[0] == '\\') ? path : "C:\\cur\\" + path;
      },
      [&](const std::string& path) -> std::optional<std::string> {
        asked.push_back(path);
        std::string upper = path;
        for (char& c : upper)
          c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        const auto found = disk.find(upper);
        return found == disk.end() ? std::nullopt : std::optional(found->second);
      }};
  const struct {
    std::string path;
    std::string expanded;
  } cases[] = {
      {"progra~1\\x.txt", "C:\\Cur\\Program Files\\x.txt"},
      {"C:\\cur\\progra~1\\", "C:\\Cur\\Program Files"},
      {"C:\\", "C:"},
      {"C:\\cur\\", "C:\\Cur"},
      {"C:\\missing\\", "C:\\missing\\"},
      // The trail byte of ソ does not end its component.
      {"C:\\" + so, "C:\\" + so + "x"},
      // Not asked: an empty component, a wildcard, a path the lookup cannot take.
      {"C:\\cur\\\\progra~1", "C:\\Cur\\\\progra~1"},
      {"C:\\cu?\\progra~1", "C:\\cu?\\progra~1"},
      {"C:\\cur\\" + std::string(260, 'x'), "C:\\Cur\\" + std::string(260, 'x')},
      // A stored name that is no single component is no answer.
      {"C:\\bad\\x", "C:\\bad\\x"},
      {"C:\\empty\\x", "C:\\empty\\x"},
      // Only drive paths are looked up; the absolute form is kept when it is no drive path.
      {"\\\\srv\\share\\cur", "\\\\srv\\share\\cur"},
      {"C:cur", "C:cur"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    asked.clear();
    EXPECT_EQ(ExpandLongNames(c.path, lookup), c.expanded);
    for (const std::string& path : asked)
      EXPECT_LT(path.size(), 260u) << path;
  }
}

}  // namespace
