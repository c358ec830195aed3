#include "ui/ErrorReport.h"

#include <windows.h>
#include <string>

#include "base/ErrorText.h"
#include "ui/Application.h"

namespace velmora::ui {

namespace {
ErrorSink g_sink = nullptr;
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

}  // namespace velmora::ui
