#pragma once
// What a screenshot shows of a control: a control that has drawn its text or its images has
// pixels that stand out from its background; one not drawn yet, or a screen not yet updated
// (black), has none.
#include <cstdint>
#include <vector>

namespace velmora::demo {

// Pixels in rows from the top, each 0x00RRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// A rectangle of the picture: left and top inside, right and bottom outside.
struct Area {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// How far a pixel's colour must stand from the background's, in one channel at least, to count
// as ink: a glyph's core, not the faint edge that smoothing adds around it.
inline constexpr int kInkContrast = 64;

// The pixels of the area (clipped to the picture) whose colour stands out from the area's most
// common colour, which is taken as its background.
int InkInside(const Picture& picture, Area area);

}  // namespace velmora::demo
