// Start-up benchmark: the time from process start until a program's main window is shown,
// against baseline programs that show a window and do nothing of the program's own. All run
// in turn in every round (A B C, then B C A, ...), so that a drift in the machine's load touches
// each alike and none always follows the same one.
//
//   StartupProbe [--runs N] [--warmup N] [--timeout SECONDS] [--target PATH] [--aim RATIO]
//                [--variant PROGRAM2]... PROGRAM BASELINE...
//
// PROGRAM runs from a copy in a scratch folder, next to a Velmora.ini that marks the first start
// as done (otherwise a confirmation box holds the window back), with the target as its only
// argument; the target defaults to that copy itself. It counts as shown once its visible "TForm1"
// window has a non-empty target edit box (ID 111). Each BASELINE, copied to a folder of its own,
// counts as shown once a visible top-level window of its main thread answers a message. Each
// --variant (another build of PROGRAM) is started and timed as PROGRAM is, for comparing builds
// in one run.
//
// Once a window is shown, the probe waits for its process to be idle and reads the process's
// private memory (PagefileUsage of GetProcessMemoryInfo) before it closes the window.
//
// Exit code: 0 when every run showed its window, 1 when one did not, 2 on bad arguments.

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kFormClass[] = "TForm1";
constexpr int kTargetEditId = 111;
constexpr char kSettingsName[] = "Velmora.ini";
constexpr char kSettings[] = "[Window]\r\nStart=0\r\n";
constexpr DWORD kPollMs = 1;
constexpr DWORD kCloseWaitMs = 10000;
constexpr DWORD kIdleWaitMs = 2000;
constexpr UINT kAnswerWaitMs = 200;
// CreateProcessA's limit for the whole command line, terminating zero included.
constexpr size_t kMaxCommandLine = 32767;

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  ~Handle() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE)
      CloseHandle(handle_);
  }
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool FitsPath(const std::string& path) {
  return path.size() < MAX_PATH;
}

std::string FullPath(const char* path) {
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(path, static_cast<DWORD>(std::size(full)), full, nullptr);
  return n == 0 || n >= std::size(full) ? std::string() : std::string(full, n);
}

std::string FileName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void RemoveTree(const std::string& dir) {
  std::string pattern = dir + "\\*";
  if (!FitsPath(pattern))
    return;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern.c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..")
        continue;
      std::string path = dir + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
}

// A folder of the probe's own under %TEMP%, removed with everything in it (the program under
// test writes its settings there) when the probe ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH + 1];
    DWORD n = GetTempPathA(static_cast<DWORD>(std::size(temp)), temp);
    if (n == 0 || n >= std::size(temp))
      return;
    std::string path =
        std::string(temp, n) + "StartupProbe-" + std::to_string(GetCurrentProcessId());
    if (FitsPath(path) && CreateDirectoryA(path.c_str(), nullptr))
      path_ = path;
  }
  ~ScratchFolder() {
    if (!path_.empty())
      RemoveTree(path_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Copies exe into a new subfolder of the scratch folder; the copy's path, or empty on failure.
std::string CopyInto(const ScratchFolder& scratch, const char* subfolder, const std::string& exe) {
  std::string dir = scratch.path() + "\\" + subfolder;
  std::string copy = dir + "\\" + FileName(exe);
  if (!FitsPath(copy) || !CreateDirectoryA(dir.c_str(), nullptr) ||
      !CopyFileA(exe.c_str(), copy.c_str(), FALSE)) {
    return std::string();
  }
  return copy;
}

bool WriteFileText(const std::string& path, const char* text) {
  if (!FitsPath(path))
    return false;
  Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE)
    return false;
  DWORD length = static_cast<DWORD>(std::strlen(text));
  DWORD written = 0;
  return WriteFile(file.get(), text, length, &written, nullptr) && written == length;
}

class Clock {
 public:
  Clock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

struct Program {
  std::string role;  // the program's file name without ".exe"
  std::string exe;
  std::string arguments;
  bool form;  // shown means a "TForm1" with a filled target box, not merely a window
  std::vector<double> times;
  std::vector<double> privateKiB;
};

struct Run {
  double milliseconds = -1;  // negative when the window was never shown
  double privateKiB = 0;
};

struct WindowSearch {
  bool form;
  HWND shown = nullptr;
  bool formWithoutTarget = false;
};

// Called for each top-level window of the program's main thread. A window counts as shown once
// it is visible and its thread answers a message: the program is back in its message loop, with
// the window painted if it painted before returning there (all three programs call UpdateWindow).
BOOL CALLBACK FindShownWindow(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  if (!IsWindowVisible(hwnd))
    return TRUE;
  if (!search.form) {
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &ignored) != 0)
      search.shown = hwnd;
    return search.shown == nullptr;
  }
  char className[64];
  if (GetClassNameA(hwnd, className, static_cast<int>(std::size(className))) == 0 ||
      std::strcmp(className, kFormClass) != 0) {
    return TRUE;
  }
  // The edit box belongs to another process, so its text length has to be asked by message; a
  // busy program answers when it next looks at its queue, or the next poll asks again.
  HWND edit = GetDlgItem(hwnd, kTargetEditId);
  DWORD_PTR length = 0;
  if (edit != nullptr &&
      SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &length) !=
          0 &&
      length > 0) {
    search.shown = hwnd;
    return FALSE;
  }
  search.formWithoutTarget = true;
  return TRUE;
}

// Window titles are in the system code page, which a Linux terminal under Wine does not show:
// a console gets UTF-16, anything else (a pipe, a file) UTF-8.
void PrintText(const wchar_t* text) {
  std::fflush(stdout);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(out, &mode)) {
    WriteConsoleW(out, text, static_cast<DWORD>(std::wcslen(text)), &written, nullptr);
    return;
  }
  char utf8[1024];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, static_cast<int>(std::size(utf8)),
                              nullptr, nullptr);
  if (n > 1)
    WriteFile(out, utf8, static_cast<DWORD>(n - 1), &written, nullptr);
}

BOOL CALLBACK ListVisibleWindow(HWND hwnd, LPARAM param) {
  DWORD processId = 0;
  GetWindowThreadProcessId(hwnd, &processId);
  if (processId != static_cast<DWORD>(param) || !IsWindowVisible(hwnd))
    return TRUE;
  wchar_t className[64] = L"";
  wchar_t title[128] = L"";
  GetClassNameW(hwnd, className, static_cast<int>(std::size(className)));
  GetWindowTextW(hwnd, title, static_cast<int>(std::size(title)));
  std::wstring line =
      L"    open: window of class \"" + std::wstring(className) + L"\" titled \"" + title + L"\"\n";
  PrintText(line.c_str());
  return TRUE;
}

// The private memory (commit charge) of a process, in KiB: what it holds that no other process
// shares. Windows gives it as PagefileUsage and again as PrivateUsage; Wine only the first.
double PrivateKiB(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
    return 0;
  return static_cast<double>(counters.PagefileUsage) / 1024.0;
}

// One start of the program: milliseconds from process start to the window shown, and the
// private memory while it is shown.
Run RunOnce(const Program& program, DWORD timeoutMs) {
  const char* role = program.role.c_str();
  std::string commandLine = "\"" + program.exe + "\"";
  if (!program.arguments.empty())
    commandLine += " " + program.arguments;
  if (commandLine.size() >= kMaxCommandLine) {
    std::printf("%s: command line too long\n", role);
    return {};
  }
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  std::string dir = program.exe.substr(0, program.exe.find_last_of('\\'));

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  Clock clock;
  if (!CreateProcessA(program.exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir.c_str(), &startup, &info)) {
    std::printf("%s: could not start %s (error %lu)\n", role, program.exe.c_str(), GetLastError());
    return {};
  }
  Handle process(info.hProcess);
  Handle thread(info.hThread);

  WindowSearch search{program.form};
  Run run;
  for (;;) {
    search.formWithoutTarget = false;
    // Only the main thread's windows: asking about every window on the desktop at each poll
    // would load the Wine server that the measured program is talking to.
    EnumThreadWindows(info.dwThreadId, FindShownWindow, reinterpret_cast<LPARAM>(&search));
    const double elapsed = clock.Milliseconds();
    if (search.shown != nullptr) {
      run.milliseconds = elapsed;
      break;
    }
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.get(), &exitCode)) {
      std::printf("%s: exited with code %lu after %.0f ms without showing its window\n", role,
                  exitCode, elapsed);
      return {};
    }
    if (elapsed > timeoutMs) {
      std::printf("%s: timed out, no %s after %lu s\n", role,
                  search.formWithoutTarget ? "target in the edit box with ID 111"
                  : program.form           ? "visible TForm1 window"
                                           : "visible window that answers",
                  timeoutMs / 1000);
      EnumWindows(ListVisibleWindow, static_cast<LPARAM>(info.dwProcessId));
      TerminateProcess(process.get(), 1);
      WaitForSingleObject(process.get(), kCloseWaitMs);
      return {};
    }
    Sleep(kPollMs);
  }

  // The memory of a window that has painted and waits for input, not of one half-built.
  WaitForInputIdle(process.get(), kIdleWaitMs);
  run.privateKiB = PrivateKiB(process.get());

  // The next run must not overlap this one, so wait for the process to end.
  PostMessageA(search.shown, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), kCloseWaitMs) != WAIT_OBJECT_0) {
    std::printf("%s: still running %lu s after WM_CLOSE; terminated\n", role, kCloseWaitMs / 1000);
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), kCloseWaitMs);
  }
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool ParseCount(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high)
    return false;
  value = parsed;
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: StartupProbe [--runs N] [--warmup N] [--timeout SECONDS] [--target PATH] "
               "[--aim RATIO] [--variant PROGRAM2]... PROGRAM BASELINE...\n");
  return 2;
}

std::string Stem(const std::string& exe) {
  std::string name = FileName(exe);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

double FileKiB(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    return 0;
  return static_cast<double>(static_cast<ULONGLONG>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) /
         1024.0;
}

// Runs every program once, starting the round at program `first`; false when one failed.
bool RunRound(std::vector<Program>& programs, size_t first, DWORD timeoutMs, bool record,
              const char* label) {
  std::vector<double> times(programs.size());
  for (size_t k = 0; k < programs.size(); ++k) {
    const size_t i = (first + k) % programs.size();
    const Run run = RunOnce(programs[i], timeoutMs);
    if (run.milliseconds < 0)
      return false;
    times[i] = run.milliseconds;
    if (record) {
      programs[i].times.push_back(run.milliseconds);
      programs[i].privateKiB.push_back(run.privateKiB);
    }
  }
  std::printf("%-8s", label);
  for (double t : times)
    std::printf(" %11.1f ms", t);
  std::printf("\n");
  std::fflush(stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  long runs = 20;
  long warmup = 1;
  long timeoutSeconds = 20;
  double aim = 1.1;
  const char* target = nullptr;
  std::vector<const char*> variants;
  std::vector<const char*> operands;  // PROGRAM BASELINE...
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    bool hasValue = i + 1 < argc;
    if (option == "--runs" && hasValue) {
      if (!ParseCount(argv[++i], 1, 1000, runs))
        return Usage();
    } else if (option == "--warmup" && hasValue) {
      if (!ParseCount(argv[++i], 0, 100, warmup))
        return Usage();
    } else if (option == "--timeout" && hasValue) {
      if (!ParseCount(argv[++i], 1, 3600, timeoutSeconds))
        return Usage();
    } else if (option == "--target" && hasValue) {
      target = argv[++i];
    } else if (option == "--variant" && hasValue) {
      variants.push_back(argv[++i]);
    } else if (option == "--aim" && hasValue) {
      char* end = nullptr;
      aim = std::strtod(argv[++i], &end);
      if (*end != '\0' || !(aim > 0))
        return Usage();
    } else if (option.rfind("--", 0) == 0) {
      return Usage();
    } else {
      operands.push_back(argv[i]);
    }
  }
  if (operands.size() < 2)
    return Usage();
  // Velmora and its variants are started alike and show the same window; the baselines follow.
  const std::vector<const char*> forms = [&] {
    std::vector<const char*> all{operands[0]};
    all.insert(all.end(), variants.begin(), variants.end());
    return all;
  }();
  const std::vector<const char*> baselines(operands.begin() + 1, operands.end());

  ScratchFolder scratch;
  if (scratch.path().empty()) {
    std::fprintf(stderr, "StartupProbe: could not create a folder under %%TEMP%%\n");
    return 1;
  }
  std::vector<Program> programs;
  std::vector<double> sizes;
  for (const std::vector<const char*>* group : {&forms, &baselines}) {
    const bool form = group == &forms;
    for (const char* path : *group) {
      const std::string exe = FullPath(path);
      if (!IsFile(exe)) {
        std::fprintf(stderr, "StartupProbe: no such program: %s\n",
                     exe.empty() ? "(path too long)" : exe.c_str());
        return 2;
      }
      // Each copy has a folder of its own; a form program's beside its settings file.
      const std::string folder = "program-" + std::to_string(programs.size() + 1);
      const std::string copy = CopyInto(scratch, folder.c_str(), exe);
      const std::string dir = copy.substr(0, copy.find_last_of('\\'));
      if (copy.empty() || (form && !WriteFileText(dir + "\\" + kSettingsName, kSettings))) {
        std::fprintf(stderr, "StartupProbe: could not copy %s to %s\n", exe.c_str(),
                     scratch.path().c_str());
        return 1;
      }
      std::string role = Stem(exe);
      for (const Program& other : programs) {
        if (other.role == role)
          role += "-" + std::to_string(programs.size() + 1);
      }
      std::string arguments;
      if (form)
        arguments = "\"" + (target != nullptr ? std::string(target) : copy) + "\"";
      std::printf("%-9s %s %s\n", form ? "program:" : "baseline:", path, arguments.c_str());
      programs.push_back(Program{role, copy, arguments, form, {}, {}});
      sizes.push_back(FileKiB(exe));
    }
  }
  const DWORD timeoutMs = static_cast<DWORD>(timeoutSeconds) * 1000;

  std::printf("\n%-8s", "run");
  for (const Program& p : programs)
    std::printf(" %14s", p.role.c_str());
  std::printf("\n");
  for (long i = 0; i < warmup; ++i) {
    if (!RunRound(programs, static_cast<size_t>(i), timeoutMs, false, "warm-up"))
      return 1;
  }
  for (long i = 1; i <= runs; ++i) {
    if (!RunRound(programs, static_cast<size_t>(i), timeoutMs, true, std::to_string(i).c_str()))
      return 1;
  }
  std::printf("%-8s", "median");
  for (const Program& p : programs)
    std::printf(" %11.1f ms", Median(p.times));

  std::printf("\n\n%-16s %14s %14s %18s\n", "", "start-up (ms)", "file (KiB)", "private (KiB)");
  for (size_t i = 0; i < programs.size(); ++i) {
    std::printf("%-16s %14.1f %14.1f %18.0f\n", programs[i].role.c_str(), Median(programs[i].times),
                sizes[i], Median(programs[i].privateKiB));
  }
  std::printf("(medians; private memory read once the shown window's process was idle)\n\n");

  for (size_t f = 0; f < forms.size(); ++f) {
    const double programMedian = Median(programs[f].times);
    for (size_t i = forms.size(); i < programs.size(); ++i) {
      const double ratio = programMedian / Median(programs[i].times);
      std::printf("ratio of medians, %s / %s: %.2f", programs[f].role.c_str(),
                  programs[i].role.c_str(), ratio);
      if (i + 1 == programs.size())
        std::printf(" (aim: at most %.2f, %s)", aim, ratio <= aim ? "met" : "not met");
      std::printf("\n");
    }
  }
  return 0;
}
