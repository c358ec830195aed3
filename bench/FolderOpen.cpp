// Folder-opening benchmark: the time the picker's directory list takes to open a folder with
// many subfolders, against the bare enumeration of that folder (FindFirstFileA/FindNextFileA,
// the names kept), measured in the same run, alternately, so that a drift in the machine's load
// touches both alike.
//
//   FolderOpen [--folders N] [--runs N] [--warmup N]
//
// The folder is %TEMP%\VelmoraFolderBench-N with N subfolders (20000 by default), made on the
// first run and used again by later ones. The list is shown, with drawing on, in a window of
// its own; opening counts until the list has painted itself again.
//
// Exit code: 0 when the folder opened in every run, 1 when it did not, 2 on bad arguments.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/MainTexts.h"
#include "base/KernelHandles.h"
#include "folders/DirectoryListBox.h"
#include "ui/Application.h"
#include "ui/StdControls.h"
#include "ui/Window.h"

namespace {

using velmora::TDirectoryListBox;

class BenchForm : public velmora::ui::Form {
 public:
  BenchForm()
      : Form(velmora::ui::FontSpec{velmora::text::kFontFace, 12, SHIFTJIS_CHARSET, CLR_DEFAULT,
                                   false}),
        group(*this, 100, {8, 8, 225, 145}, "Group"),
        list(group, 101, {16, 16, 192, 97}) {
    CreateForm("VelmoraFolderBench", WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, SIZE{241, 161},
               nullptr, nullptr);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(Handle());
  }
  // In a group box, as in the program's window: the list's owner is the group.
  velmora::ui::GroupBox group;
  TDirectoryListBox list;
};

double Now() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

void PumpMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string TempFolder() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH + 1, temp);
  return length == 0 || length > MAX_PATH ? std::string() : std::string(temp, length);
}

// The folder with `count` subfolders, named in a scrambled order and in both letter cases so
// that the list has to sort them; made once, then used again.
std::string MakeBenchFolder(int count) {
  const std::string folder = TempFolder() + "VelmoraFolderBench-" + std::to_string(count);
  const std::string done = folder + "\\complete";
  if (GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES)
    return folder;
  CreateDirectoryA(folder.c_str(), nullptr);
  std::printf("making %d subfolders in %s ...\n", count, folder.c_str());
  std::fflush(stdout);
  unsigned scramble = 12345;
  for (int i = 0; i < count; ++i) {
    scramble = scramble * 1103515245u + 12345u;
    char name[32];
    std::snprintf(name, sizeof name, "%s%05u-%d", (scramble >> 16) & 1 ? "Sub" : "sub",
                  (scramble >> 8) % 100000u, i);
    const std::string path = folder + "\\" + name;
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
      return {};
  }
  velmora::UniqueFile marker(CreateFileA(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  return marker ? folder : std::string();
}

// What any program must do to learn the subfolders: the enumeration, the names kept.
std::size_t Enumerate(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry{};
  velmora::UniqueFind search(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
  if (!search)
    return 0;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      names.emplace_back(entry.cFileName);
  } while (FindNextFileA(search.Get(), &entry));
  return names.size();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

bool ReadNumber(int& i, int argc, char** argv, int& value) {
  if (i + 1 >= argc)
    return false;
  value = std::atoi(argv[++i]);
  return value > 0;
}

}  // namespace

int main(int argc, char** argv) {
  int folders = 20000;
  int runs = 7;
  int warmup = 1;
  for (int i = 1; i < argc; ++i) {
    const bool ok = (!std::strcmp(argv[i], "--folders") && ReadNumber(i, argc, argv, folders)) ||
                    (!std::strcmp(argv[i], "--runs") && ReadNumber(i, argc, argv, runs)) ||
                    (!std::strcmp(argv[i], "--warmup") && ReadNumber(i, argc, argv, warmup));
    if (!ok) {
      std::fprintf(stderr, "usage: FolderOpen [--folders N] [--runs N] [--warmup N]\n");
      return 2;
    }
  }

  velmora::ui::InitializeApplication(GetModuleHandleA(nullptr), "FolderOpen");
  const std::string folder = MakeBenchFolder(folders);
  if (folder.empty()) {
    std::fprintf(stderr, "cannot make the folder with %d subfolders\n", folders);
    return 1;
  }
  const std::string parent = TempFolder();
  BenchForm form;
  form.list.SetDirectory(parent);
  PumpMessages();

  std::vector<double> bare;
  std::vector<double> open;
  std::vector<double> ratios;  // each run's list to its own enumeration
  for (int run = -warmup; run < runs; ++run) {
    double start = Now();
    const std::size_t found = Enumerate(folder);
    const double enumerated = Now() - start;

    start = Now();
    form.list.SetDirectory(folder);
    UpdateWindow(form.list.Handle());
    const double opened = Now() - start;
    const int items = form.list.Count();
    const bool listed = form.list.Directory() == folder && items >= folders;

    start = Now();
    form.list.SetDirectory(parent);
    UpdateWindow(form.list.Handle());
    const double left = Now() - start;
    PumpMessages();
    std::printf(
        "%-8s enumeration %7.1f ms (%zu entries)  list %7.1f ms (%d items)  back %7.1f ms\n",
        run < 0 ? "warm-up" : ("run " + std::to_string(run + 1)).c_str(), enumerated, found, opened,
        items, left);
    if (!listed) {
      std::fprintf(stderr, "the list did not open %s\n", folder.c_str());
      return 1;
    }
    if (run >= 0) {
      bare.push_back(enumerated);
      open.push_back(opened);
      ratios.push_back(opened / enumerated);
    }
  }
  const double bareMedian = Median(bare);
  const double openMedian = Median(open);
  std::printf("median   enumeration %8.1f ms            list %8.1f ms\n", bareMedian, openMedian);
  std::printf(
      "ratio    %.2f (median of the runs' list / enumeration, aim at most 1.3); "
      "of the medians %.2f\n",
      Median(ratios), openMedian / bareMedian);
  return 0;
}
