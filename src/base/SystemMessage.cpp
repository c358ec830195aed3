#include "base/SystemMessage.h"

#include <windows.h>

#include <memory>
#include <string_view>

#include "base/ErrorText.h"

namespace velmora {

namespace {
struct LocalMemoryFree {
  void operator()(char* memory) const noexcept { LocalFree(memory); }
};
}  // namespace

std::string SystemMessage(unsigned long code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  const std::unique_ptr<char, LocalMemoryFree> owner(buffer);
  if (length == 0 || buffer == nullptr)
    return {};
  return TrimSystemMessage(std::string_view(buffer, length));
}

}  // namespace velmora
