#include "base/ErrorText.h"

#include <string>

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::OleErrorText;
using velmora::ReportText;
using velmora::TrimSystemMessage;
namespace ut = velmora::unit_text;

TEST(ErrorText, ReportAddsAFullStopAfterCharactersSortingAboveIt) {
  EXPECT_EQ(ReportText("Disk full"), "Disk full.");
  EXPECT_EQ(ReportText("path/"), "path/.");
  EXPECT_EQ(ReportText(ut::kCannotWriteMessage), ut::kCannotWriteReport);
  // Half-width katakana and a lone lead byte are above "." as unsigned bytes.
  EXPECT_EQ(ReportText("\xB0"), "\xB0.");
  EXPECT_EQ(ReportText("a\x83"), "a\x83.");
}

TEST(ErrorText, ReportLeavesTextEndingAtOrBeforeAFullStop) {
  EXPECT_EQ(ReportText(""), "");
  EXPECT_EQ(ReportText("Done."), "Done.");
  EXPECT_EQ(ReportText("Really?!"), "Really?!");
  EXPECT_EQ(ReportText("(21)"), "(21)");
  EXPECT_EQ(ReportText("a-"), "a-");
  EXPECT_EQ(ReportText("trailing "), "trailing ");
}

TEST(ErrorText, TrimRemovesTrailingBlanksControlsAndFullStops) {
  EXPECT_EQ(TrimSystemMessage("Access is denied.\r\n"), "Access is denied");
  EXPECT_EQ(TrimSystemMessage("Class not registered. . \t"), "Class not registered");
  EXPECT_EQ(TrimSystemMessage(std::string_view("abc\0\0", 5)), "abc");
  EXPECT_EQ(TrimSystemMessage("  keep leading"), "  keep leading");
  EXPECT_EQ(TrimSystemMessage("v1.0 ok"), "v1.0 ok");
  EXPECT_EQ(TrimSystemMessage(". \r\n"), "");
  EXPECT_EQ(TrimSystemMessage(""), "");
}

TEST(ErrorText, TrimDropsTheClosingIdeographicFullStopAndKeepsOtherDoubleByteCharacters) {
  // The ideographic full stop goes too: the report adds its own.
  EXPECT_EQ(TrimSystemMessage(ut::kAccessDeniedMessage), ut::kAccessDeniedTrimmed);
  EXPECT_EQ(TrimSystemMessage(std::string(ut::kSo) + ".\r\n"), ut::kSo);
  EXPECT_EQ(TrimSystemMessage("a\x81\x41"), "a\x81\x41");
}

TEST(ErrorText, OleErrorShowsEightLowerCaseHexDigits) {
  EXPECT_EQ(OleErrorText(0x80004002u), ut::kOleNoInterface);
  EXPECT_EQ(OleErrorText(1u), ut::kOleSmallCode);
  EXPECT_EQ(OleErrorText(0xABCDEF01u), ut::kOleLowerCase);
}

}  // namespace
