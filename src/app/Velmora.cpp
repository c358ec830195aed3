// Program entry: COM first and last, then the one window and its message loop.
#include <windows.h>

#include <cstdlib>

#include "app/ControlIds.h"
#include "app/Main.h"
#include "app/MainTexts.h"
#include "base/ComApartment.h"
#include "base/SystemMessage.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/MessageLoop.h"

#if defined(__GLIBCXX__)
// libstdc++'s handler for an exception that nothing catches writes the exception's demangled
// type to a console this program does not have, and links in a demangler and printf for it (a
// tenth of the program). Every error is caught at the window boundaries; should one still get
// out, ending the process is all there is to do.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const velmora::ComApartment com;
  velmora::ui::InitializeApplication(instance, velmora::text::kAppTitle);
  int exitCode = 0;
  {
    velmora::TForm1 form;
    form.Create();
    if (!form.Handle()) {
      velmora::ui::ReportError(velmora::SystemMessage(GetLastError()));
      return 1;
    }
    form.Show();
    exitCode = velmora::ui::RunMessageLoop(form.Handle(), velmora::id::kBitBtn1);
  }
  return exitCode;
}
