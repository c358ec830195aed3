#pragma once
// The standard error report: a message box with the stop icon and an OK button, captioned with
// the application title.
#include <exception>
#include <string>
#include <string_view>

namespace velmora::ui {

void ReportError(std::string_view message);

// Runs a handler at an error boundary: an error that leaves it is shown by the standard error
// report and goes no further. True when the handler ran through.
template <typename Handler>
bool RunGuarded(Handler&& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ReportError(error.what());
  }
  return false;
}

// Where reports go instead of the message box; nullptr restores the box. For tests, which
// cannot answer a modal box on their own thread.
using ErrorSink = void (*)(std::string_view message);
void SetErrorSink(ErrorSink sink);

}  // namespace velmora::ui
