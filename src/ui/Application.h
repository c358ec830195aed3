#pragma once
// Process-wide set-up: COM for the main thread, common controls, the title.
#include <windows.h>
#include <objbase.h>
#include <string>

namespace velmora::ui {

// CoInitialize for the life of the object: the first step of the program and the last.
class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_))
      CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

// Registers the common controls, installs the system code page's lead bytes for the path rules
// and sets the title of the taskbar entry and the error boxes.
void InitializeApplication(HINSTANCE instance, const std::string& title);
HINSTANCE ApplicationInstance();
const std::string& ApplicationTitle();

}  // namespace velmora::ui
