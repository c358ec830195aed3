// The COM owner must give back exactly the references it holds: one too few leaks the shell's
// objects, one too many frees them under another owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "ui/ComPtr.h"

namespace velmora {
namespace {

class CountedObject : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }

  int references = 1;
};

TEST(ComPtr, MovesHandOverTheReferenceAndTheLastOwnerReleasesIt) {
  CountedObject object;
  {
    ComPtr<IUnknown> first(&object);
    ComPtr<IUnknown> second(std::move(first));
    EXPECT_FALSE(first);
    ComPtr<IUnknown> third;
    third = std::move(second);
    EXPECT_EQ(third.Get(), &object);
    EXPECT_EQ(object.references, 1);
  }
  EXPECT_EQ(object.references, 0);
}

TEST(ComPtr, ReplacingAReferenceReleasesTheOldOne) {
  CountedObject old;
  CountedObject other;
  ComPtr<IUnknown> holder(&old);
  *holder.Put() = &other;  // as an out-parameter call fills it
  EXPECT_EQ(old.references, 0);

  CountedObject next;
  holder = ComPtr<IUnknown>(&next);
  EXPECT_EQ(other.references, 0);
  holder.Reset();
  EXPECT_EQ(next.references, 0);
  EXPECT_FALSE(holder);
}

}  // namespace
}  // namespace velmora
