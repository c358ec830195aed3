// The open dialog against the real common dialog: where it opens when its folder is unusable.
#include "ui/OpenDialog.h"

#include <windows.h>
#include <commdlg.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "TestFiles.h"
#include "base/PathRules.h"

namespace velmora {
namespace {

// Shows the dialog on this thread; a helper finds it, reads the folder it opened in and
// cancels it.
std::string FolderItOpensIn(ui::OpenDialog& dialog) {
  const DWORD thread = GetCurrentThreadId();
  std::string folder = "(no dialog)";
  std::thread helper([&] {
    HWND box = nullptr;
    for (int i = 0; i < 500 && box == nullptr; ++i) {
      box = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
      if (box != nullptr && GetWindowThreadProcessId(box, nullptr) != thread)
        box = nullptr;
      if (box == nullptr)
        Sleep(20);
    }
    if (box == nullptr)
      return;
    char path[MAX_PATH] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(box, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(path),
                        SMTO_ABORTIFHUNG, 5000, &length);
    folder = path;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(dialog.Execute(nullptr));
  helper.join();
  return folder;
}

TEST(OpenDialog, FolderLongerThanAPathOpensInTheProgramsFolder) {
  testing::ScratchFolder scratch;
  char program[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
  ui::OpenDialog dialog("All|*.*");

  dialog.SetInitialDir(scratch.Path());
  EXPECT_EQ(FolderItOpensIn(dialog), scratch.Path());
  for (std::size_t length : {std::size_t{MAX_PATH}, std::size_t{1000}, std::size_t{1023}}) {
    SCOPED_TRACE(length);
    const std::string folder =
        scratch.Path() + "\\" + std::string(length - scratch.Path().size() - 1, 'd');
    dialog.SetInitialDir(folder);
    EXPECT_EQ(FolderItOpensIn(dialog), DirectoryOf(program));
  }
}

}  // namespace
}  // namespace velmora
