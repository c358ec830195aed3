#include "PictureInk.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace velmora::demo {

namespace {

bool StandsOut(std::uint32_t colour, std::uint32_t background) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((colour >> shift) & 0xFF);
    const int b = static_cast<int>((background >> shift) & 0xFF);
    if (std::abs(a - b) >= kInkContrast)
      return true;
  }
  return false;
}

}  // namespace

int InkInside(const Picture& picture, Area area) {
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min(area.right, picture.width);
  area.bottom = std::min(area.bottom, picture.height);
  if (area.left >= area.right || area.top >= area.bottom)
    return 0;
  auto row = [&](int y) {
    return picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
  };

  std::unordered_map<std::uint32_t, int> counts;
  for (int y = area.top; y < area.bottom; ++y) {
    for (auto p = row(y) + area.left; p != row(y) + area.right; ++p)
      ++counts[*p & 0xFFFFFF];
  }
  const std::uint32_t background =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        // Of two colours as common, the darker is the background, whatever
        // order the table keeps.
        return a.second < b.second || (a.second == b.second && a.first > b.first);
      })->first;
  int ink = 0;
  for (const auto& [colour, count] : counts) {
    if (StandsOut(colour, background))
      ink += count;
  }
  return ink;
}

}  // namespace velmora::demo
