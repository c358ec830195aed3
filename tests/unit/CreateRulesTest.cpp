#include "shortcut/CreateRules.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::ConfirmationText;
using velmora::DestinationLabel;
using velmora::FolderNumberFor;
using velmora::LinkArguments;
using velmora::ProductBanner;
using velmora::ShowCommandFor;
namespace ut = velmora::unit_text;

TEST(CreateRules, DestinationLabels) {
  EXPECT_EQ(DestinationLabel(0, "C:\\Tools\\edit.exe", "D:\\"), ut::kDesktop);
  EXPECT_EQ(DestinationLabel(3, "C:\\Tools\\edit.exe", "D:\\"), ut::kSendTo);
  EXPECT_EQ(DestinationLabel(4, "C:\\Tools\\edit.exe", "D:\\"), "C:\\Tools");
  EXPECT_EQ(DestinationLabel(4, "C:\\edit.exe", "D:\\"), "C:\\");
  EXPECT_EQ(DestinationLabel(4, ut::kSoFolderFile, "D:\\"), ut::kSoFolder);
  EXPECT_EQ(DestinationLabel(5, "C:\\Tools\\edit.exe", "D:\\"), "D:\\");
  EXPECT_EQ(DestinationLabel(5, "C:\\Tools\\edit.exe", "D:\\Work"), "D:\\Work");
  EXPECT_EQ(DestinationLabel(-1, "C:\\Tools\\edit.exe", "D:\\"), std::nullopt);
  EXPECT_EQ(DestinationLabel(6, "C:\\Tools\\edit.exe", "D:\\"), std::nullopt);
}

TEST(CreateRules, FolderNumbers) {
  EXPECT_EQ(FolderNumberFor(0), 16);
  EXPECT_EQ(FolderNumberFor(1), 2);
  EXPECT_EQ(FolderNumberFor(2), 7);
  EXPECT_EQ(FolderNumberFor(3), 9);
  EXPECT_EQ(FolderNumberFor(4), 8);
  EXPECT_EQ(FolderNumberFor(5), 8);
  EXPECT_EQ(FolderNumberFor(-1), std::nullopt);
  EXPECT_EQ(FolderNumberFor(6), std::nullopt);
}

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
  EXPECT_EQ(ConfirmationText(ut::kMemo, ut::kDesktop), ut::kMemoOnDesktopQuestion);
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
