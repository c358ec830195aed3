// The single owners of handles and COM references must give back exactly what they hold: one
// close or release too few leaks, one too many frees it under another owner.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/ComPtr.h"
#include "base/Unique.h"

namespace velmora {
namespace {

// A reference-counted object with the one method the COM owner calls.
struct CountedObject {
  unsigned long Release() { return static_cast<unsigned long>(--references); }
  int references = 1;
};

TEST(ComPtr, MovesHandOverTheReferenceAndTheLastOwnerReleasesIt) {
  CountedObject object;
  {
    ComPtr<CountedObject> first(&object);
    ComPtr<CountedObject> second(std::move(first));
    EXPECT_FALSE(first);
    ComPtr<CountedObject> third;
    third = std::move(second);
    EXPECT_EQ(third.Get(), &object);
    EXPECT_EQ(object.references, 1);
  }
  EXPECT_EQ(object.references, 0);
}

TEST(ComPtr, ReplacingAReferenceReleasesTheOldOne) {
  CountedObject old;
  CountedObject other;
  ComPtr<CountedObject> holder(&old);
  *holder.Put() = &other;  // as an out-parameter call fills it
  EXPECT_EQ(old.references, 0);

  CountedObject next;
  holder = ComPtr<CountedObject>(&next);
  EXPECT_EQ(other.references, 0);
  holder.Reset();
  EXPECT_EQ(next.references, 0);
  EXPECT_FALSE(holder);
}

// Handles as numbers; -1 stands for none, as INVALID_HANDLE_VALUE does for find handles.
std::vector<int> g_closed;
struct RecordClose {
  void operator()(int handle) const { g_closed.push_back(handle); }
};
struct MinusOne {
  static int Value() noexcept { return -1; }
};
using UniqueNumber = Unique<int, RecordClose, MinusOne>;

TEST(Unique, ClosesEachHandleOnceAndNeverTheNoneValue) {
  g_closed.clear();
  {
    UniqueNumber none;
    EXPECT_FALSE(none);
    UniqueNumber zero(0);  // 0 is a handle here, not "none"
    EXPECT_TRUE(zero);
    UniqueNumber moved(std::move(zero));
    EXPECT_FALSE(zero);
    UniqueNumber other(7);
    other = std::move(moved);  // closes 7, takes 0
    EXPECT_EQ(g_closed, std::vector<int>{7});
    other.Reset(9);  // closes 0
    EXPECT_EQ(other.Release(), 9);
    EXPECT_FALSE(other);
  }
  EXPECT_EQ(g_closed, (std::vector<int>{7, 0}));
}

}  // namespace
}  // namespace velmora
