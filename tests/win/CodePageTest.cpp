// The whole suite assumes the Japanese system code page that Velmora is made for.
#include <windows.h>
#include <gtest/gtest.h>

TEST(WineEnvironment, RunsWithJapaneseCodePage) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_TRUE(IsDBCSLeadByte(0x83));
  EXPECT_FALSE(IsDBCSLeadByte('\\'));
}
