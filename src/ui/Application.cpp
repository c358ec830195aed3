#include "ui/Application.h"

#include <commctrl.h>
#include <array>

#include "base/LeadBytes.h"

namespace velmora::ui {

namespace {
HINSTANCE g_instance = nullptr;
std::string g_title;
}  // namespace

void InitializeApplication(HINSTANCE instance, const std::string& title) {
  g_instance = instance;
  g_title = title;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  std::array<bool, 256> lead{};
  for (int byte = 0; byte < 256; ++byte)
    lead[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte));
  LeadBytes::SetActive(LeadBytes(lead));
}

HINSTANCE ApplicationInstance() {
  return g_instance ? g_instance : GetModuleHandleA(nullptr);
}
const std::string& ApplicationTitle() {
  return g_title;
}

}  // namespace velmora::ui
