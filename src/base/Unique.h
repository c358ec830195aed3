#pragma once
// The one owner of a handle: closed when the owner goes, moved but never copied, so that every
// way out of a function (an exception included) gives the handle back.
#include <utility>

namespace velmora {

// The "no handle" value of most handle types: null.
template <typename Handle>
struct NullHandle {
  static Handle Value() noexcept { return Handle{}; }
};

// `Deleter` closes a handle; `None` names the value that stands for no handle, for the handle
// types whose "none" is not null (a find handle's is INVALID_HANDLE_VALUE).
template <typename Handle, typename Deleter, typename None = NullHandle<Handle>>
class Unique {
 public:
  Unique() = default;
  explicit Unique(Handle handle) noexcept : handle_(handle) {}
  ~Unique() { Reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, None::Value())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, None::Value());
    }
    return *this;
  }

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != None::Value(); }
  // Closes the handle held so far and takes `handle` instead.
  void Reset(Handle handle = None::Value()) noexcept {
    if (handle_ != None::Value())
      Deleter{}(handle_);
    handle_ = handle;
  }
  // Gives the handle up without closing it.
  Handle Release() noexcept { return std::exchange(handle_, None::Value()); }

 private:
  Handle handle_ = None::Value();
};

}  // namespace velmora
