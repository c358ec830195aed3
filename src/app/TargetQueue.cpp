#include "app/TargetQueue.h"

#include <utility>

#include "app/TargetTexts.h"
#include "base/Error.h"

namespace velmora {

void TargetQueue::Replace(std::vector<std::wstring> targets) {
  targets_ = std::move(targets);
  next_ = 0;
}

std::optional<std::wstring> TargetQueue::Next() {
  if (!HasNext())
    return std::nullopt;
  // Taken once: the text is not needed again, and a batch of hundreds holds no second copy.
  return std::move(targets_[next_++]);
}

std::string QueueCaption(std::string_view title, std::size_t position, std::size_t count) {
  if (count <= 1)
    return std::string(title);
  std::string caption = FormatText(text::kQueueCaption, std::string(title));
  caption = FormatText(caption, std::to_string(position), "%d");
  return FormatText(caption, std::to_string(count), "%d");
}

}  // namespace velmora
