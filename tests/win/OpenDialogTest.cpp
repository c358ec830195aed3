// The open dialog against the real common dialog: where it opens when its folder is unusable,
// and the names it takes.
#include "ui/OpenDialog.h"

#include <windows.h>
#include <commdlg.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "TestFiles.h"
#include "base/PathRules.h"

namespace velmora {
namespace {

// A visible dialog box of another thread of this process, owned by `owner` when one is given.
HWND WaitForBox(DWORD thread, HWND owner) {
  for (int i = 0; i < 500; ++i) {
    for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr;) {
      if (GetWindowThreadProcessId(box, nullptr) == thread && IsWindowVisible(box) &&
          (owner == nullptr || GetWindow(box, GW_OWNER) == owner))
        return box;
    }
    Sleep(20);
  }
  return nullptr;
}

// Shows the dialog on this thread while a helper finds it and handles it; Execute's answer.
bool RunDialog(ui::OpenDialog& dialog, const std::function<void(HWND)>& handle) {
  const DWORD thread = GetCurrentThreadId();
  std::thread helper([&] {
    if (const HWND box = WaitForBox(thread, nullptr))
      handle(box);
  });
  const bool chosen = dialog.Execute(nullptr);
  helper.join();
  return chosen;
}

// Where the dialog opens; it is cancelled then.
std::string FolderItOpensIn(ui::OpenDialog& dialog) {
  std::string folder = "(no dialog)";
  EXPECT_FALSE(RunDialog(dialog, [&](HWND box) {
    char path[MAX_PATH] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(box, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(path),
                        SMTO_ABORTIFHUNG, 5000, &length);
    folder = path;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  }));
  return folder;
}

// Typed, or offered again after the file went: the system says so, and the dialog stays.
TEST(OpenDialog, TheNameOfNoFileIsNotTaken) {
  testing::ScratchFolder scratch;
  ui::OpenDialog dialog("All|*.*");
  dialog.SetInitialDir(scratch.Path());
  bool warned = false;
  EXPECT_FALSE(RunDialog(dialog, [&](HWND box) {
    // The name field: a combo box, or an edit in older layouts.
    const HWND field = GetDlgItem(box, 0x47C) ? GetDlgItem(box, 0x47C) : GetDlgItem(box, 0x480);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gone.txt"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    const HWND warning = WaitForBox(GetWindowThreadProcessId(box, nullptr), box);
    warned = warning != nullptr;
    SendMessageA(warning, WM_COMMAND, IDOK, 0);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_TRUE(warned);
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
