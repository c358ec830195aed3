#include "ui/PictureSize.h"

namespace velmora {

std::size_t PickPictureWidth(std::span<const int> widths, int wanted) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < widths.size(); ++i) {
    const bool fits = widths[i] <= wanted;
    const bool bestFits = widths[best] <= wanted;
    if (fits ? !bestFits || widths[i] > widths[best] : !bestFits && widths[i] < widths[best])
      best = i;
  }
  return best;
}

}  // namespace velmora
