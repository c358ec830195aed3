#pragma once
// The targets handed over at once, the command line's arguments or the items of one drop,
// served one after another in the same window.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class TargetQueue {
 public:
  // A new batch: these targets replace the ones not yet served.
  void Replace(std::vector<std::wstring> targets);
  // The next target, which becomes the one served; nullopt when every target has been taken.
  std::optional<std::wstring> Next();
  bool HasNext() const { return next_ < targets_.size(); }
  // The target Next gives; only while HasNext.
  const std::wstring& Peek() const { return targets_[next_]; }

  // The served target's place in its batch, from 1, and the batch's size.
  std::size_t Position() const { return next_; }
  std::size_t Count() const { return targets_.size(); }

 private:
  std::vector<std::wstring> targets_;
  std::size_t next_ = 0;
};

// The window's caption: the title alone for a batch of one, else "title (position/count)".
std::string QueueCaption(std::string_view title, std::size_t position, std::size_t count);

}  // namespace velmora
