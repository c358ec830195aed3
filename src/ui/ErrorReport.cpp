#include "ui/ErrorReport.h"

#include <windows.h>
#include <memory>
#include <string>

#include "ui/Application.h"
#include "base/ErrorText.h"

namespace velmora::ui {

namespace {
ErrorSink g_sink = nullptr;

struct LocalMemoryFree {
  void operator()(char* memory) const noexcept { LocalFree(memory); }
};
}  // namespace

void SetErrorSink(ErrorSink sink) {
  g_sink = sink;
}

void ReportError(std::string_view message) {
  if (g_sink) {
    g_sink(message);
    return;
  }
  const std::string text = ReportText(message);
  // Owned by the active window, so that the box is modal to the main window while it shows.
  MessageBoxA(GetActiveWindow(), text.c_str(), ApplicationTitle().c_str(),
              MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

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

}  // namespace velmora::ui
