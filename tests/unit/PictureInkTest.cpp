#include "PictureInk.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using velmora::demo::Area;
using velmora::demo::InkInside;
using velmora::demo::Picture;

constexpr std::uint32_t kFace = 0xF0F0F0;
constexpr std::uint32_t kText = 0x000000;

// A 10 x 6 picture of one colour, with the given pixels painted over it.
Picture Painted(std::uint32_t background, std::initializer_list<std::pair<int, int>> dots,
                std::uint32_t colour) {
  Picture picture{10, 6, std::vector<std::uint32_t>(60, background)};
  for (auto [x, y] : dots)
    picture.pixels[static_cast<size_t>(y * 10 + x)] = colour;
  return picture;
}

TEST(PictureInk, CountsWhatStandsOutFromTheCommonestColourOnly) {
  const Area whole{0, 0, 10, 6};
  struct Case {
    const char* what;
    Picture picture;
    int ink;
  };
  const Case cases[] = {
      {"a face not drawn on", Painted(kFace, {}, kText), 0},
      {"a screen not yet updated", Painted(0x000000, {}, kText), 0},
      {"dark text on the face", Painted(kFace, {{1, 1}, {2, 1}, {3, 4}}, kText), 3},
      {"grey text of a disabled control", Painted(kFace, {{1, 1}, {2, 2}}, 0x6D6D6D), 2},
      {"light text on a dark face", Painted(0x000080, {{5, 5}}, 0xFFFFFF), 1},
      {"one channel apart is enough", Painted(kFace, {{0, 0}}, 0xF0F0A0), 1},
      {"the faint edge that smoothing adds", Painted(kFace, {{1, 1}, {2, 2}}, 0xC0C0C0), 0},
      {"the fourth byte is no colour", Painted(kFace, {{1, 1}}, 0xFF000000 | kFace), 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InkInside(c.picture, whole), c.ink) << c.what;
}

TEST(PictureInk, LooksOnlyInsideTheAreaAndThePicture) {
  const Picture picture = Painted(kFace, {{0, 0}, {9, 5}, {4, 2}}, kText);
  EXPECT_EQ(InkInside(picture, {3, 1, 6, 4}), 1);
  EXPECT_EQ(InkInside(picture, {-5, -5, 20, 20}), 3);
  EXPECT_EQ(InkInside(picture, {5, 0, 5, 6}), 0);
  EXPECT_EQ(InkInside(picture, {8, 4, 2, 1}), 0);
  EXPECT_EQ(InkInside(picture, {10, 0, 14, 6}), 0);
  EXPECT_EQ(InkInside(Picture{}, {0, 0, 1, 1}), 0);
}

TEST(PictureInk, TheBackgroundIsWhatCoversMostOfTheArea) {
  // More text than face: the text is the background, and the face stands out from it.
  Picture picture = Painted(kText, {{0, 0}, {1, 0}}, kFace);
  EXPECT_EQ(InkInside(picture, {0, 0, 10, 6}), 2);
  // Half and half: either way the other half stands out.
  picture = Painted(kFace, {}, kText);
  for (int i = 0; i < 30; ++i)
    picture.pixels[static_cast<size_t>(i)] = kText;
  EXPECT_EQ(InkInside(picture, {0, 0, 10, 6}), 30);
}

}  // namespace
