#include "ui/PictureSize.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using velmora::PickPictureWidth;

TEST(PictureSize, TheLargestNotAboveTheWantedWidthOrElseTheSmallest) {
  const std::vector<int> widths = {16, 24};
  const struct {
    int wanted;
    std::size_t picked;
  } cases[] = {{16, 0}, {20, 0}, {23, 0}, {24, 1}, {32, 1}, {12, 0}, {0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wanted);
    EXPECT_EQ(PickPictureWidth(widths, c.wanted), c.picked);
  }
  const std::vector<int> unordered = {32, 16, 24};
  EXPECT_EQ(PickPictureWidth(unordered, 30), 2u);
  EXPECT_EQ(PickPictureWidth(unordered, 8), 1u);
  EXPECT_EQ(PickPictureWidth({}, 24), 0u);
}

}  // namespace
