#pragma once
// The one owner of a COM interface reference: released when the owner goes, moved but never
// copied, so that every way out of a function (an exception included) gives the reference back.
#include <utility>

namespace velmora {

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference that the caller already holds (no AddRef).
  explicit ComPtr(Interface* pointer) noexcept : pointer_(pointer) {}
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { Reset(); }

  Interface* Get() const noexcept { return pointer_; }
  Interface* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }

  // The slot for an out-parameter. Drops the reference held so far, which the call would
  // otherwise overwrite and leak.
  Interface** Put() noexcept {
    Reset();
    return &pointer_;
  }
  // The same slot for calls that take void** (CoCreateInstance, QueryInterface).
  void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

  void Reset() noexcept {
    if (Interface* pointer = std::exchange(pointer_, nullptr))
      pointer->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace velmora
