#include "app/TargetRules.h"

#include <string>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

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

}  // namespace
