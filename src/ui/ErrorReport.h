#pragma once
// The standard error report: a message box with the stop icon and an OK button, captioned with
// the application title.
#include <string>
#include <string_view>

namespace velmora::ui {

void ReportError(std::string_view message);

// The system's message for an error code, trimmed for the report; empty when it has none.
std::string SystemMessage(unsigned long code);

// Where reports go instead of the message box; nullptr restores the box. For tests, which
// cannot answer a modal box on their own thread.
using ErrorSink = void (*)(std::string_view message);
void SetErrorSink(ErrorSink sink);

}  // namespace velmora::ui
