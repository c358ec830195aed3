// The whole suite assumes the Japanese system code page that Velmora is made for; conversions
// to it from UTF-16.
#include <windows.h>
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "base/WideText.h"

TEST(WineEnvironment, RunsWithJapaneseCodePage) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_TRUE(IsDBCSLeadByte(0x83));
  EXPECT_FALSE(IsDBCSLeadByte('\\'));
}

TEST(WideText, StrictConversionRefusesCharactersTheCodePageLacksInsteadOfALookAlike) {
  using velmora::ToAnsi;
  EXPECT_EQ(ToAnsi(L"caf\u00e9.txt", true), std::nullopt);
  EXPECT_EQ(ToAnsi(L"\uD55C\uAE00", true), std::nullopt);
  EXPECT_EQ(ToAnsi(L"C:\\\u30E1\u30E2\u5E33.txt", true), velmora::testing::Acp(L"C:\\メモ帳.txt"));
  EXPECT_EQ(velmora::ToAnsiMarked(L"caf\u00e9.txt"), "caf?.txt");
}
