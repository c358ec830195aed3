// Program entry: COM first and last, then the one window and its message loop.
#include <windows.h>

#include "app/ControlIds.h"
#include "app/Main.h"
#include "base/Texts.h"
#include "base/ComApartment.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"
#include "ui/MessageLoop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const velmora::ComApartment com;
  velmora::ui::InitializeApplication(instance, velmora::text::kAppTitle);
  int exitCode = 0;
  {
    velmora::TForm1 form;
    form.Create();
    if (!form.Handle()) {
      velmora::ui::ReportError(velmora::ui::SystemMessage(GetLastError()));
      return 1;
    }
    form.Show();
    exitCode = velmora::ui::RunMessageLoop(form.Handle(), velmora::id::kBitBtn1);
  }
  return exitCode;
}
