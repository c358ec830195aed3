#include "shortcut/CreateRules.h"

#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "TestTexts.h"
#include "UnitTexts.h"

namespace {

using velmora::ConfirmationText;
using velmora::LinkArguments;
using velmora::ProductBanner;
using velmora::ShowCommandFor;
namespace tt = velmora::test_text;
namespace ut = velmora::unit_text;

TEST(CreateRules, ShowCommands) {
  EXPECT_EQ(ShowCommandFor(0), 10);
  EXPECT_EQ(ShowCommandFor(1), 7);
  EXPECT_EQ(ShowCommandFor(2), 3);
  EXPECT_EQ(ShowCommandFor(-1), std::nullopt);
  EXPECT_EQ(ShowCommandFor(3), std::nullopt);
}

TEST(CreateRules, ParametersAreStoredAsTypedButOneExistingPathWithABlankIsQuoted) {
  static const std::string so = std::string("C:\\a ") + ut::kSo;  // ends in a 0x5C byte
  const auto exists = [](const std::string& path) {
    static const std::set<std::string> existing = {"C:\\x y.txt", "C:\\My Dir\\", "C:\\Tools\\a b",
                                                   so};
    return existing.count(path) != 0;
  };
  const std::string program = "C:\\Program Files\\tool.exe";
  const std::string edit = "C:\\Tools\\edit.exe";
  const std::string cases[][3] = {
      {program, "-a -b", "-a -b"},
      {program, "\"C:\\x y.txt\"", "\"C:\\x y.txt\""},
      {program, "C:\\x y.txt", "\"C:\\x y.txt\""},
      {edit, so, "\"" + so + "\""},
      {edit, "C:\\My Dir\\", "\"C:\\My Dir\\\\\""},    // else the backslash escapes the quote
      {edit, "a b", "\"a b\""},                        // from the target's folder
      {"C:\\edit.exe", "\\x y.txt", "\"\\x y.txt\""},  // from its drive's root
      {edit, "C:\\x y.txt -v", "C:\\x y.txt -v"},
      {edit, " C:\\x y.txt", " C:\\x y.txt"},
      {edit, "C:\\x z.txt", "C:\\x z.txt"},
  };
  for (const auto& [target, parameters, arguments] : cases)
    EXPECT_EQ(LinkArguments(target, parameters, exists), arguments) << target << " " << parameters;
}

TEST(CreateRules, ConfirmationTextBytes) {
  EXPECT_EQ(ConfirmationText(tt::kNotepad, ut::kDesktop), tt::kConfirmNotepadOnDesktop);
  const std::string text = ConfirmationText("", "C:\\");
  EXPECT_EQ(text.substr(0, 2), "\"\"");
  EXPECT_NE(text.find("C:\\"), std::string::npos);
}

TEST(CreateRules, ProductBannerIsOneLineNamingTheProduct) {
  const std::string banner = ProductBanner();
  EXPECT_EQ(banner.rfind("Velmora", 0), 0u);
  EXPECT_EQ(banner.find_first_of("\r\n"), std::string::npos);
}

}  // namespace
