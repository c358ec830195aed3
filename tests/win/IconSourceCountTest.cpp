// The icon-file check counts the icons of good files as the system counts them: the generated
// sources, the resource compiler's fixtures, and programs and libraries of the system itself.
#include <windows.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "icons/CheckedIconFile.h"

namespace velmora {
namespace {

using testing::FixturePath;

std::string SystemFolder(UINT(WINAPI* get)(LPSTR, UINT)) {
  char folder[MAX_PATH] = {};
  get(folder, static_cast<UINT>(std::size(folder)));
  return folder;
}

TEST(IconSourceCount, EveryGoodFileHasTheCountTheSystemGivesAndTheSystemsOwnAreWhole) {
  std::vector<std::string> fixtures = {FixturePath("Three.EXE"), FixturePath("Hundred.dll"),
                                       FixturePath("Damaged.dll"), FixturePath("Velmora.ico")};
  for (const std::string& name : testing::FolderEntries(FixturePath("IconSources"))) {
    if (name != "Damaged")
      fixtures.push_back(FixturePath("IconSources\\" + name));
  }
  const std::string system = SystemFolder(&GetSystemDirectoryA);
  const std::string windows = SystemFolder(&GetWindowsDirectoryA);
  const std::vector<std::string> systemFiles = {
      system + "\\shell32.dll", system + "\\user32.dll",    system + "\\comctl32.dll",
      system + "\\winecfg.exe", windows + "\\explorer.exe", windows + "\\regedit.exe",
      windows + "\\notepad.exe"};

  const auto systemCount = [](const std::string& path) {
    return static_cast<int>(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0));
  };
  for (const std::string& path : fixtures)
    EXPECT_EQ(CheckedIconFile(path).Count(), systemCount(path)) << path;
  int withIcons = 0;
  for (const std::string& path : systemFiles) {
    const CheckedIconFile file(path);
    EXPECT_EQ(file.Count(), systemCount(path)) << path;
    EXPECT_TRUE(file.ShellMayRead()) << path;
    withIcons += file.Count() > 0 ? 1 : 0;
  }
  EXPECT_GE(withIcons, 4);
}

}  // namespace
}  // namespace velmora
