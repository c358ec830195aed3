// Fuzz target of the icon-file check (src/icons/IconSource.h). Besides never reading outside
// the bytes it is given, the check must answer the same for the same bytes, keep within the
// counts the system can give, and never find more in a file cut short than in the whole file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "icons/IconSource.h"

namespace {

using velmora::CheckIconSource;
using velmora::IconSourceCheck;
using velmora::IconSourceKind;

void Require(bool condition) {
  if (!condition)
    std::abort();
}

bool Same(const IconSourceCheck& a, const IconSourceCheck& b) {
  return a.kind == b.kind && a.sound == b.sound && a.whole == b.whole;
}

// Checks a copy of exactly `length` bytes, so that a read past them is one past a heap block.
IconSourceCheck CheckCopy(const std::uint8_t* data, std::size_t length) {
  const std::vector<std::uint8_t> copy(data, data + length);
  return CheckIconSource(copy);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IconSourceCheck check = CheckCopy(data, size);
  Require(Same(check, CheckCopy(data, size)));

  // A damaged file and a file of no kind hold no icons; an icon file holds one; the system
  // counts icons in 16 bits.
  if (!check.sound || check.kind == IconSourceKind::None)
    Require(check.Count() == 0);
  Require(check.Count() <= (check.kind == IconSourceKind::IconFile ? 1 : 0xFFFF));

  // Cut short, the file keeps its count or loses it, and no icon becomes whole.
  for (const std::size_t length : {size / 2, size - (size > 0 ? 1 : 0)}) {
    const IconSourceCheck cut = CheckCopy(data, length);
    Require(cut.Count() == 0 || cut.Count() == check.Count());
    for (int i = 0; i < cut.Count(); ++i)
      Require(!cut.Whole(i) || check.Whole(i));
  }
  return 0;
}
