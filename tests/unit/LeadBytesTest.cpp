#include "app/LeadBytes.h"

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
