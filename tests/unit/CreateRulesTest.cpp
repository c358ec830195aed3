#include "shortcut/CreateRules.h"

#include <optional>
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

TEST(CreateRules, ArgumentsAreQuotedWhenTheTargetPathHasASpace) {
  EXPECT_EQ(LinkArguments("C:\\Program Files\\tool.exe", "-v"), "\"-v\"");
  EXPECT_EQ(LinkArguments("C:\\Program Files\\tool.exe", ""), "");
  EXPECT_EQ(LinkArguments("C:\\Program Files\\tool.exe", "\"x\""), "\"\"x\"\"");
  EXPECT_EQ(LinkArguments("C:\\Tools\\edit.exe", "a b"), "a b");
  EXPECT_EQ(LinkArguments("C:\\Tools\\edit.exe", ""), "");
  // A space as the very first character does not count.
  EXPECT_EQ(LinkArguments(" C:\\edit.exe", "-v"), "-v");
  EXPECT_EQ(LinkArguments("C: \\edit.exe", "-v"), "\"-v\"");
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
