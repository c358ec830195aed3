#pragma once
// Pictures drawn by hand for a few sizes are shown at their own size, never stretched: which size
// a DPI gets.
#include <cstddef>
#include <span>

namespace velmora {

// The index of the largest of `widths` that is not above `wanted`, or of the smallest when every
// one is above it; 0 for no widths.
std::size_t PickPictureWidth(std::span<const int> widths, int wanted);

}  // namespace velmora
