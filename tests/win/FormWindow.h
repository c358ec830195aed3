#pragma once
// The real main window built in a test's process, without its creation and show handlers (no
// first-start question, no settings read). SetTarget remembers the target's folder in the
// settings beside the test program: a settings file that was not there before goes with it.
#include <windows.h>

#include <string>

#include "TestFiles.h"
#include "app/Main.h"

namespace velmora::testing {

class FormWindow : public TForm1 {
 public:
  explicit FormWindow(const char* className)
      : settings_(TestProgramFolder() + "\\Velmora.ini"), hadSettings_(Exists(settings_)) {
    CreateForm(className, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
               SIZE{513, 348}, nullptr, nullptr);
    CreateDeferredWindows();
  }
  ~FormWindow() override {
    if (!hadSettings_)
      DeleteFileA(settings_.c_str());
  }
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

 private:
  const std::string settings_;
  const bool hadSettings_;
};

}  // namespace velmora::testing
