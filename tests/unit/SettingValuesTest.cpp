#include "app/SettingValues.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include <gtest/gtest.h>

namespace {

using velmora::FormatSettingInteger;
using velmora::ParseSettingInteger;

TEST(SettingValues, DecimalIntegers) {
  EXPECT_EQ(ParseSettingInteger("0"), 0);
  EXPECT_EQ(ParseSettingInteger("5"), 5);
  EXPECT_EQ(ParseSettingInteger("-1"), -1);
  EXPECT_EQ(ParseSettingInteger("+7"), 7);
  EXPECT_EQ(ParseSettingInteger("007"), 7);
  EXPECT_EQ(ParseSettingInteger(" 12"), 12);
  EXPECT_EQ(ParseSettingInteger("\t 12"), 12);
  EXPECT_EQ(ParseSettingInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseSettingInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(SettingValues, HexadecimalIntegersAreBitPatterns) {
  EXPECT_EQ(ParseSettingInteger("$5"), 5);
  EXPECT_EQ(ParseSettingInteger("0x5"), 5);
  EXPECT_EQ(ParseSettingInteger("0X1f"), 31);
  EXPECT_EQ(ParseSettingInteger("$aB"), 0xAB);
  EXPECT_EQ(ParseSettingInteger(" $10"), 16);
  EXPECT_EQ(ParseSettingInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseSettingInteger("$80000000"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ParseSettingInteger("$000000000001"), 1);
}

TEST(SettingValues, TextBreakingTheRulesGivesNothing) {
  for (const char* text : {"",           " ",           "yes",
                           "12 ",        "1 2",         "1.5",
                           "+",          "-",           "+-1",
                           "$",          "0x",          "0X",
                           "0x 5",       " 0x5",        "0xg",
                           "$G",         "-$5",         "$-5",
                           "2147483648", "-2147483649", "99999999999999999999",
                           "$100000000", "0x100000000"}) {
    EXPECT_EQ(ParseSettingInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(SettingValues, FormatIsSignedDecimal) {
  EXPECT_EQ(FormatSettingInteger(0), "0");
  EXPECT_EQ(FormatSettingInteger(5), "5");
  EXPECT_EQ(FormatSettingInteger(-1), "-1");
  EXPECT_EQ(FormatSettingInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  for (std::int32_t value : {std::numeric_limits<std::int32_t>::min(), -7, 0, 9,
                             std::numeric_limits<std::int32_t>::max()}) {
    EXPECT_EQ(ParseSettingInteger(FormatSettingInteger(value)), value);
  }
}

TEST(SettingValues, ASectionsValueIsFoundAsTheProfileFunctionsFindIt) {
  using namespace std::string_view_literals;
  const std::string_view section =
      "Start=0\0 ItemIndex = 2 \0q=\"5\"\0s='x\0bare\0e=1=2\0Start=1\0"sv;
  EXPECT_EQ(velmora::FindSectionValue(section, "start"), "0");
  EXPECT_EQ(velmora::FindSectionValue(section, "ITEMINDEX"), "2");
  EXPECT_EQ(velmora::FindSectionValue(section, "q"), "5");
  EXPECT_EQ(velmora::FindSectionValue(section, "s"), "'x");
  EXPECT_EQ(velmora::FindSectionValue(section, "e"), "1=2");
  EXPECT_EQ(velmora::FindSectionValue(section, "bare"), std::nullopt);
  EXPECT_EQ(velmora::FindSectionValue(section, "Item"), std::nullopt);
  EXPECT_EQ(velmora::FindSectionValue({}, "Start"), std::nullopt);
}

// Start=0 set in each file: the key's line is found where the profile functions find it, and
// every other byte stays.
TEST(SettingValues, AKeyIsSetInItsLineOrAddedAndEverythingElseStays) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "[Window]\r\nStart=0\r\n"},
      {"[Other]\r\na=1", "[Other]\r\na=1\r\n[Window]\r\nStart=0\r\n"},
      {"[window]\r\n  start =  1 \r\nb=2\r\n", "[window]\r\n  start =  0\r\nb=2\r\n"},
      {"[Window]\r\nA=1\r\n\r\n[Other]\r\nStart=1\r\n",
       "[Window]\r\nA=1\r\nStart=0\r\n\r\n[Other]\r\nStart=1\r\n"},
      {"[Window]\r\nA=1\r\n[O]\r\n[Window]\r\nStart=1",
       "[Window]\r\nA=1\r\nStart=0\r\n[O]\r\n[Window]\r\nStart=1"},
      {"[Window]\nStart\t\nStart=1\n", "[Window]\nStart=0\nStart=1\n"},
      {"Start=1\r\n[Window] ; x\r\n; Start=1\r\n",
       "Start=1\r\n[Window] ; x\r\n; Start=1\r\nStart=0\r\n"},
      {"[Window]", "[Window]\r\nStart=0\r\n"},
      {"[Window]\rA=1\r[Wind\r", "[Window]\rA=1\r[Wind\rStart=0\r\n"},
      {"[Window]\r\nStart=", "[Window]\r\nStart=0"},
      {"\xEF\xBB\xBF[Window]\r\nStart=1\r\n", "\xEF\xBB\xBF[Window]\r\nStart=0\r\n"},
      {"[\x83\\]\r\nA=\x95\\\r\n", "[\x83\\]\r\nA=\x95\\\r\n[Window]\r\nStart=0\r\n"},
  };
  const velmora::SettingText start[] = {{"Start", "0"}};
  for (const auto& [file, expected] : cases) {
    EXPECT_EQ(velmora::WithSettingTexts(file, "Window", start), expected) << file;
  }
  // Several keys at once; a value ends at its line break; UTF-16 text is not edited.
  const velmora::SettingText values[] = {{"A", "1\r\n[X]"}, {"B", "C:\\"}, {"a", "2"}};
  EXPECT_EQ(velmora::WithSettingTexts("[Window]\r\nb=0\r\n", "Window", values),
            "[Window]\r\nb=C:\\\r\nA=2\r\n");
  EXPECT_EQ(velmora::WithSettingTexts("\xFF\xFE[\0", "Window", values), std::nullopt);
}

}  // namespace
