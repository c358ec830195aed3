#pragma once
// Process-wide set-up: common controls, lead bytes, the title.
#include <windows.h>
#include <string>

namespace velmora::ui {

// Registers the common controls, installs the system code page's lead bytes for the path rules
// and sets the title of the taskbar entry and the error boxes.
void InitializeApplication(HINSTANCE instance, const std::string& title);
HINSTANCE ApplicationInstance();
const std::string& ApplicationTitle();

}  // namespace velmora::ui
