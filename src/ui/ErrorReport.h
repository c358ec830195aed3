#pragma once
// The standard error report: a message box with the stop icon and an OK button, captioned with
// the application title.
#include <string_view>

namespace velmora::ui {

void ReportError(std::string_view message);

// Where reports go instead of the message box; nullptr restores the box. For tests, which
// cannot answer a modal box on their own thread.
using ErrorSink = void (*)(std::string_view message);
void SetErrorSink(ErrorSink sink);

}  // namespace velmora::ui
