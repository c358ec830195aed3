// Icon-list benchmark (see README.md): the main window's FillIconList against the literal loop
// (one ExtractIconExA call per icon, each large icon added to a 16 by 16 image list), in the same
// run, alternating, median of the runs. With --explain it also times the steps the two are made
// of, to show where the time of adding an icon goes.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/Main.h"
#include "icons/IconStrip.h"
#include "icons/StoredIcons.h"
#include "ui/Application.h"

using namespace velmora;

namespace {

double Milliseconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The main window with its controls, built without its creation and show handlers.
class BenchWindow : public TForm1 {
 public:
  BenchWindow() {
    CreateForm("VelmoraIconListBench", WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, SIZE{513, 348},
               nullptr, nullptr);
    CreateDeferredWindows();
  }
};

ui::UniqueImageList LiteralList() {
  return ui::UniqueImageList(ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 0, 4));
}

// The loop as written: every icon extracted on its own and added on its own.
ui::UniqueImageList LiteralLoop(const std::string& path) {
  ui::UniqueImageList list = LiteralList();
  const int count = static_cast<int>(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0));
  for (int i = 0; i < count; ++i) {
    HICON large = nullptr;
    HICON small = nullptr;
    ExtractIconExA(path.c_str(), i, &large, &small, 1);
    const ui::UniqueIcon largeOwner(large);
    const ui::UniqueIcon smallOwner(small);
    ImageList_ReplaceIcon(list.Get(), -1, large);
  }
  return list;
}

COLORREF Centre(HIMAGELIST list, int index) {
  const HDC screen = GetDC(nullptr);
  const ui::UniqueMemoryDc dc(CreateCompatibleDC(screen));
  const ui::UniqueBitmap canvas(CreateCompatibleBitmap(screen, 16, 16));
  ReleaseDC(nullptr, screen);
  const ui::SelectScope select(dc.Get(), canvas.Get());
  PatBlt(dc.Get(), 0, 0, 16, 16, WHITENESS);
  ImageList_Draw(list, index, dc.Get(), 0, 0, ILD_TRANSPARENT);
  return GetPixel(dc.Get(), 8, 8);
}

// The list FillIconList made holds what the loop makes: as many entries, entry i icon i.
bool SameContent(HIMAGELIST literal, const ui::ImageList& filled) {
  const int count = ImageList_GetImageCount(literal);
  if (filled.Count() != count || filled.Width() != 16) {
    std::printf("content: %d entries, the loop made %d\n", filled.Count(), count);
    return false;
  }
  for (int i = 0; i < count; ++i) {
    if (Centre(literal, i) != Centre(filled.Handle(), i)) {
      std::printf("content: entry %d differs\n", i);
      return false;
    }
  }
  std::printf("content: %d entries, each the same icon as the loop's\n", count);
  return true;
}

// Times each step alone, over every icon of the file.
void Explain(const std::string& path, int runs) {
  const int count = static_cast<int>(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0));
  const int large = GetSystemMetrics(SM_CXICON);
  const CheckedIconFile file(path);
  const StoredIcons stored(file);
  std::vector<ui::UniqueIcon> icons;
  std::vector<ui::UniqueIcon> smallIcons;
  for (int i = 0; i < count; ++i) {
    icons.push_back(stored.Large(i, large));
    smallIcons.push_back(
        ui::UniqueIcon(static_cast<HICON>(CopyImage(icons.back().Get(), IMAGE_ICON, 16, 16, 0))));
  }
  const std::vector<std::pair<const char*, std::function<void()>>> steps = {
      {"ExtractIconExA, one icon a call",
       [&] {
         for (int i = 0; i < count; ++i) {
           HICON icon = nullptr;
           ExtractIconExA(path.c_str(), i, &icon, nullptr, 1);
           const ui::UniqueIcon owner(icon);
         }
       }},
      {"icon made from the opened file's resources",
       [&] {
         for (int i = 0; i < count; ++i)
           stored.Large(i, large);
       }},
      {"ImageList_ReplaceIcon of a large icon",
       [&] {
         const ui::UniqueImageList list = LiteralList();
         for (const ui::UniqueIcon& icon : icons)
           ImageList_ReplaceIcon(list.Get(), -1, icon.Get());
       }},
      {"ImageList_ReplaceIcon of a 16x16 icon",
       [&] {
         const ui::UniqueImageList list = LiteralList();
         for (const ui::UniqueIcon& icon : smallIcons)
           ImageList_ReplaceIcon(list.Get(), -1, icon.Get());
       }},
      {"  of which CopyImage to 16x16",
       [&] {
         for (const ui::UniqueIcon& icon : icons)
           ui::UniqueIcon(static_cast<HICON>(CopyImage(icon.Get(), IMAGE_ICON, 16, 16, 0)));
       }},
      {"  of which GetIconInfo",
       [&] {
         for (const ui::UniqueIcon& icon : smallIcons) {
           ICONINFO info{};
           GetIconInfo(icon.Get(), &info);
           ui::UniqueBitmap colour(info.hbmColor);
           ui::UniqueBitmap mask(info.hbmMask);
         }
       }},
      {"ImageList_SetImageCount, then ImageList_ReplaceIcon",
       [&] {
         const ui::UniqueImageList list = LiteralList();
         ImageList_SetImageCount(list.Get(), static_cast<UINT>(count));
         for (int i = 0; i < count; ++i)
           ImageList_ReplaceIcon(list.Get(), i, icons[static_cast<size_t>(i)].Get());
       }},
      {"strip: two DrawIconEx an icon, one stretch, one add",
       [&] {
         ui::ImageList list(16, 16);
         IconStrip strip(count, large);
         for (int i = 0; i < count; ++i)
           strip.Draw(i, icons[static_cast<size_t>(i)].Get());
         strip.AddTo(list);
       }},
  };
  for (const auto& [name, step] : steps) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
      const double start = Milliseconds();
      step();
      times.push_back(Milliseconds() - start);
    }
    const double median = Median(times);
    std::printf("%-52s %9.1f ms  %7.3f ms an icon\n", name, median, median / count);
  }
}

// The process's private memory (the commit charge; Wine gives only this one), in KiB.
long long PrivateKib() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long long>(counters.PagefileUsage / 1024);
}

// How much private memory one kept list of the file's icons takes, made by `side` ("literal" or
// "list") in a process of its own, so that neither side reuses memory the other freed. The list
// side's window is made before the first reading: only the icons and their list count.
int MeasureMemory(const std::string& side, const std::string& path) {
  if (side == "literal") {
    const long long before = PrivateKib();
    const ui::UniqueImageList list = LiteralLoop(path);
    std::printf("memory: literal loop's list %lld KiB\n", PrivateKib() - before);
    return list ? 0 : 1;
  }
  BenchWindow window;
  const long long before = PrivateKib();
  window.FillIconList(path);
  std::printf("memory: FillIconList's list %lld KiB\n", PrivateKib() - before);
  return window.ImageListBox1.Count() > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  ui::InitializeApplication(GetModuleHandleA(nullptr), "Velmora");
  int runs = 15;
  bool explain = false;
  std::string memory;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (argument == "--memory" && i + 1 < argc) {
      memory = argv[++i];
    } else if (argument == "--explain") {
      explain = true;
    } else {
      path = argument;
    }
  }
  if (path.empty()) {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    path = own;
    path = path.substr(0, path.find_last_of('\\')) + "\\Icons1000.dll";
  }
  if (!memory.empty())
    return MeasureMemory(memory, path);
  const int count = static_cast<int>(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0));
  std::printf("%s: %d icons, %d runs\n", path.c_str(), count, runs);
  if (count <= 0)
    return 1;

  BenchWindow window;
  // One of each first, outside the timing, to fill the caches; runs alternate afterwards.
  const ui::UniqueImageList reference = LiteralLoop(path);
  window.FillIconList(path);
  const bool same =
      SameContent(reference.Get(), window.ImageList1) && window.ImageListBox1.Count() == count;
  std::vector<double> literal;
  std::vector<double> filled;
  for (int run = 0; run < runs; ++run) {
    double start = Milliseconds();
    LiteralLoop(path);
    literal.push_back(Milliseconds() - start);
    start = Milliseconds();
    window.FillIconList(path);
    filled.push_back(Milliseconds() - start);
    std::printf("run %2d: literal loop %8.1f ms, FillIconList %8.1f ms\n", run + 1, literal.back(),
                filled.back());
  }
  const double literalMedian = Median(literal);
  const double filledMedian = Median(filled);
  std::printf(
      "median: literal loop %.1f ms (%.3f ms an icon), FillIconList %.1f ms (%.3f ms an "
      "icon)\nratio FillIconList / literal loop: %.3f (aim: at most 0.25)\n",
      literalMedian, literalMedian / count, filledMedian, filledMedian / count,
      filledMedian / literalMedian);
  if (explain)
    Explain(path, std::min(runs, 5));
  return same ? 0 : 1;
}
