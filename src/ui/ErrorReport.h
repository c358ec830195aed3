#pragma once
// The standard error report: a message box with the stop icon and an OK button, captioned with
// the application title.
#include <string_view>

namespace velmora::ui {

void ReportError(std::string_view message);

}  // namespace velmora::ui
