#include "base/LeadBytes.h"

#include <gtest/gtest.h>

using velmora::LeadBytes;

TEST(LeadBytes, ShiftJisLeadRanges) {
  const auto& sj = LeadBytes::ShiftJis();
  EXPECT_FALSE(sj.IsLead(static_cast<unsigned char>(0x80)));
  EXPECT_TRUE(sj.IsLead(static_cast<unsigned char>(0x81)));
  EXPECT_TRUE(sj.IsLead(static_cast<unsigned char>(0x9F)));
  EXPECT_FALSE(sj.IsLead(static_cast<unsigned char>(0xA0)));
  EXPECT_FALSE(sj.IsLead(static_cast<unsigned char>(0xDF)));  // half-width katakana
  EXPECT_TRUE(sj.IsLead(static_cast<unsigned char>(0xE0)));
  EXPECT_TRUE(sj.IsLead(static_cast<unsigned char>(0xFC)));
  EXPECT_FALSE(sj.IsLead(static_cast<unsigned char>(0xFD)));
  EXPECT_FALSE(sj.IsLead('\\'));
}

TEST(LeadBytes, CharLengthTakesLeadAndTrailTogether) {
  const auto& sj = LeadBytes::ShiftJis();
  const std::string_view so = "\x83\x5C";  // ソ
  EXPECT_EQ(sj.CharLength(so, 0), 2u);
  EXPECT_EQ(sj.CharLength("a\x83\x5C", 0), 1u);
  EXPECT_EQ(sj.CharLength("a\x83\x5C", 1), 2u);
  // A lead byte at the very end stands alone, and nothing past the end is read.
  EXPECT_EQ(sj.CharLength("ab\x83", 2), 1u);
  EXPECT_EQ(sj.CharLength("ab", 2), 1u);
  EXPECT_EQ(sj.CharLength("ab", std::string_view::npos), 1u);
  EXPECT_EQ(LeadBytes().CharLength(so, 0), 1u);
}

TEST(LeadBytes, LastCharStartWalksFromTheFront) {
  const auto& sj = LeadBytes::ShiftJis();
  EXPECT_EQ(sj.LastCharStart(""), std::string_view::npos);
  EXPECT_EQ(sj.LastCharStart("a"), 0u);
  EXPECT_EQ(sj.LastCharStart("a\x83\x5C"), 1u);
  EXPECT_EQ(sj.LastCharStart("\x83\x5C\\"), 2u);
  // 0x83 0x83 is one character; the second 0x83 is not the lead of the last one.
  EXPECT_EQ(sj.LastCharStart("\x83\x83"
                             "A"),
            2u);
  EXPECT_EQ(sj.LastCharStart("\x83\x83\x83"), 2u);
  EXPECT_EQ(sj.LastCharStart("ab\x83"), 2u);
  EXPECT_EQ(LeadBytes().LastCharStart("a\x83\x5C"), 2u);
}

TEST(LeadBytes, ActiveIsShiftJisUntilReplaced) {
  EXPECT_TRUE(LeadBytes::Active().IsLead(static_cast<unsigned char>(0x83)));
  LeadBytes::SetActive(LeadBytes());
  EXPECT_FALSE(LeadBytes::Active().IsLead(static_cast<unsigned char>(0x83)));
  LeadBytes::SetActive(LeadBytes::ShiftJis());
  EXPECT_TRUE(LeadBytes::Active().IsLead(static_cast<unsigned char>(0x83)));
}
