// Start-up benchmark: the time from process start until a program's main window is shown, against
// a baseline that does the same work without the program's own code, and a minimal window for
// reference. Every round starts each program once for each target kind (a program file, a
// document), the program under test and its baseline back to back in an order that alternates
// from round to round, so that each round gives a paired ratio that a drift of the machine's
// load touches alike on both sides.
//
//   StartupProbe [--rounds N] [--warmup N] [--timeout SECONDS] [--aim RATIO]
//                [--program-target PATH] [--document-target PATH] [--variant PROGRAM2]...
//                PROGRAM BASELINE [REFERENCE]
//
// PROGRAM runs from a copy in a scratch folder, next to a Velmora.ini that marks the first start
// as done (otherwise a confirmation box holds the window back), with the target as its only
// argument. It counts as shown once its visible "TForm1" window has a non-empty target edit box
// (ID 111). BASELINE gets the same target; REFERENCE gets no argument. Each of them, copied to a
// folder of its own, counts as shown once a visible top-level window of its main thread answers a
// message. The targets default to a copy of PROGRAM and a short text file, in a folder of their
// own. Each --variant (another build of PROGRAM) is started and timed as PROGRAM is, for
// comparing builds in one run.
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

#include "FormProbe.h"

namespace {

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
  std::string kind;  // of its target; empty without one
  std::string exe;
  std::string arguments;
  bool form;  // shown means a "TForm1" with a filled target box, not merely a window
  double fileKiB;
  double last;  // the time of the last run
  std::vector<double> times;
  std::vector<double> privateKiB;
};

struct Run {
  double milliseconds = -1;  // negative when the window was never shown
  double privateKiB = 0;
};

// The window that shows the program has started, or nullptr. A form program's is its main window
// with the target in place; `formWithoutTarget` tells whether the window was there without it.
// Any other program's is a visible top-level window of its main thread whose thread answers a
// message: the program is back in its message loop, with the window painted if it painted before
// returning there (all the programs call UpdateWindow).
HWND FindShown(const Program& program, DWORD threadId, bool& formWithoutTarget) {
  if (program.form) {
    const HWND form = velmora::demo::FindShownWindows(threadId).form;
    if (form != nullptr && velmora::demo::ShowsTarget(form, kAnswerWaitMs))
      return form;
    formWithoutTarget = form != nullptr;
    return nullptr;
  }
  for (HWND window : velmora::demo::VisibleWindows(threadId)) {
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &ignored) != 0)
      return window;
  }
  return nullptr;
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

  HWND shown = nullptr;
  bool formWithoutTarget = false;
  Run run;
  for (;;) {
    formWithoutTarget = false;
    shown = FindShown(program, info.dwThreadId, formWithoutTarget);
    const double elapsed = clock.Milliseconds();
    if (shown != nullptr) {
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
                  formWithoutTarget ? "target in the edit box with ID 111"
                  : program.form    ? "visible TForm1 window"
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
  PostMessageA(shown, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), kCloseWaitMs) != WAIT_OBJECT_0) {
    std::printf("%s: still running %lu s after WM_CLOSE; terminated\n", role, kCloseWaitMs / 1000);
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), kCloseWaitMs);
  }
  return run;
}

// The q-quantile of the values, interpolated between the two nearest (0.5: the median).
double Quantile(std::vector<double> values, double q) {
  if (values.empty())
    return 0;
  std::sort(values.begin(), values.end());
  const double at = q * static_cast<double>(values.size() - 1);
  const size_t below = static_cast<size_t>(at);
  const size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

bool ParseCount(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high)
    return false;
  value = parsed;
  return true;
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

double Median(std::vector<double> values) {
  return Quantile(std::move(values), 0.5);
}

int Usage() {
  std::fprintf(stderr,
               "usage: StartupProbe [--rounds N] [--warmup N] [--timeout SECONDS] [--aim RATIO] "
               "[--program-target PATH] [--document-target PATH] [--variant PROGRAM2]... PROGRAM "
               "BASELINE [REFERENCE]\n");
  return 2;
}

// The host's load average over the last minute: under Wine the host's /proc is on drive Z:.
// Negative where there is no such file.
double LoadAverage() {
  Handle file(CreateFileA("Z:\\proc\\loadavg", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, 0, nullptr));
  char text[64] = {};
  DWORD read = 0;
  if (file.get() == INVALID_HANDLE_VALUE ||
      !ReadFile(file.get(), text, static_cast<DWORD>(std::size(text) - 1), &read, nullptr)) {
    return -1;
  }
  char* end = nullptr;
  const double load = std::strtod(text, &end);
  return end == text ? -1 : load;
}

// The programs started with one target (or none, for the reference): the program under test,
// its variants, then the baseline that is compared with them.
struct Group {
  std::string label;
  std::vector<size_t> members;  // indices into the program list; the baseline last
};

// Runs every group once, the groups and the programs within each starting one later than in the
// last round; false when a program failed.
bool RunRound(std::vector<Program>& programs, const std::vector<Group>& groups, size_t round,
              DWORD timeoutMs, bool record) {
  for (size_t g = 0; g < groups.size(); ++g) {
    const std::vector<size_t>& members = groups[(g + round) % groups.size()].members;
    for (size_t k = 0; k < members.size(); ++k) {
      Program& program = programs[members[(k + round) % members.size()]];
      const Run run = RunOnce(program, timeoutMs);
      if (run.milliseconds < 0)
        return false;
      program.last = run.milliseconds;
      if (record) {
        program.times.push_back(run.milliseconds);
        program.privateKiB.push_back(run.privateKiB);
      }
    }
  }
  return true;
}

std::vector<double> Ratios(const std::vector<double>& over, const std::vector<double>& under) {
  std::vector<double> ratios;
  for (size_t i = 0; i < over.size() && i < under.size(); ++i)
    ratios.push_back(under[i] > 0 ? over[i] / under[i] : 0);
  return ratios;
}

// The median of per-round ratios with its quartiles, as "1.23 (1.18-1.29)".
std::string Spread(const std::vector<double>& ratios) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f (%.2f-%.2f)", Median(ratios), Quantile(ratios, 0.25),
                Quantile(ratios, 0.75));
  return text;
}

// One line of the ratio table: what is compared, then one cell per target kind.
void PrintRow(const std::string& what, const std::vector<std::string>& cells) {
  std::printf("%-40s", what.c_str());
  for (const std::string& cell : cells)
    std::printf(" %18s", cell.c_str());
  std::printf("\n");
}

// A target of the probe's own in a folder beside the programs' copies.
std::string MakeTarget(const ScratchFolder& scratch, const char* given, const std::string& program,
                       bool document) {
  if (given != nullptr)
    return FullPath(given);
  const std::string dir = scratch.path() + "\\target";
  CreateDirectoryA(dir.c_str(), nullptr);
  if (!document) {
    const std::string copy = dir + "\\" + FileName(program);
    return CopyFileA(program.c_str(), copy.c_str(), FALSE) ? copy : std::string();
  }
  const std::string notes = dir + "\\Notes.txt";
  return WriteFileText(notes, "A document for the start-up benchmark.\r\n") ? notes : std::string();
}

// The command line.
struct Options {
  long rounds = 30;
  long warmup = 1;
  long timeoutSeconds = 20;
  double aim = 1.15;
  const char* programTarget = nullptr;
  const char* documentTarget = nullptr;
  std::vector<const char*> variants;
  std::vector<const char*> operands;  // PROGRAM BASELINE [REFERENCE]
};

// False on bad arguments.
bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    bool hasValue = i + 1 < argc;
    if (option == "--rounds" && hasValue) {
      if (!ParseCount(argv[++i], 1, 1000, options.rounds))
        return false;
    } else if (option == "--warmup" && hasValue) {
      if (!ParseCount(argv[++i], 0, 100, options.warmup))
        return false;
    } else if (option == "--timeout" && hasValue) {
      if (!ParseCount(argv[++i], 1, 3600, options.timeoutSeconds))
        return false;
    } else if (option == "--program-target" && hasValue) {
      options.programTarget = argv[++i];
    } else if (option == "--document-target" && hasValue) {
      options.documentTarget = argv[++i];
    } else if (option == "--variant" && hasValue) {
      options.variants.push_back(argv[++i]);
    } else if (option == "--aim" && hasValue) {
      char* end = nullptr;
      options.aim = std::strtod(argv[++i], &end);
      if (*end != '\0' || !(options.aim > 0))
        return false;
    } else if (option.rfind("--", 0) == 0) {
      return false;
    } else {
      options.operands.push_back(argv[i]);
    }
  }
  return options.operands.size() >= 2 && options.operands.size() <= 3;
}

// The programs of a run, each a copy in a folder of its own, and the groups they start in: one
// group per target kind (the program under test, its variants, then the baseline), then the
// reference's.
struct Bench {
  std::vector<Program> programs;
  std::vector<Group> groups;
  size_t kindCount = 0;  // the groups with a target, first
  size_t formCount = 0;  // the program under test and its variants, first in each such group
  bool hasReference = false;
};

// Adds a copy of the program at `path` (a form program's beside its settings file); false on
// failure.
bool AddProgram(Bench& bench, const ScratchFolder& scratch, const char* path, bool form,
                const std::string& target, const std::string& kind) {
  const std::string exe = FullPath(path);
  const std::string folder = "program-" + std::to_string(bench.programs.size() + 1);
  const std::string copy = CopyInto(scratch, folder.c_str(), exe);
  const std::string dir = copy.substr(0, copy.find_last_of('\\'));
  if (!IsFile(exe) || copy.empty() ||
      (form && !WriteFileText(dir + "\\" + kSettingsName, kSettings))) {
    std::fprintf(stderr, "StartupProbe: could not copy %s to %s\n", path, scratch.path().c_str());
    return false;
  }
  // A variant of the same name is told apart by its place among the programs of its target.
  std::string role = Stem(exe);
  size_t sameKind = 0;
  bool taken = false;
  for (const Program& other : bench.programs) {
    if (other.kind == kind) {
      ++sameKind;
      taken = taken || other.role == role;
    }
  }
  if (taken)
    role += "-" + std::to_string(sameKind + 1);
  const std::string arguments = target.empty() ? std::string() : "\"" + target + "\"";
  bench.programs.push_back(Program{role, kind, copy, arguments, form, FileKiB(exe), 0, {}, {}});
  return true;
}

// Makes the targets and copies the programs; false (reported) on failure.
bool SetUpBench(const Options& options, const ScratchFolder& scratch, Bench& bench) {
  const std::string program = FullPath(options.operands[0]);
  const std::string targets[] = {MakeTarget(scratch, options.programTarget, program, false),
                                 MakeTarget(scratch, options.documentTarget, program, true)};
  const char* const kinds[] = {"program", "document"};
  // Velmora and its variants are started alike and show the same window.
  std::vector<const char*> forms{options.operands[0]};
  forms.insert(forms.end(), options.variants.begin(), options.variants.end());
  bench.kindCount = std::size(targets);
  bench.formCount = forms.size();
  for (size_t t = 0; t < std::size(targets); ++t) {
    if (targets[t].empty()) {
      std::fprintf(stderr, "StartupProbe: could not make the %s target\n", kinds[t]);
      return false;
    }
    std::printf("%s target: %s\n", kinds[t], targets[t].c_str());
    Group group{kinds[t], {}};
    for (const char* form : forms) {
      group.members.push_back(bench.programs.size());
      if (!AddProgram(bench, scratch, form, true, targets[t], kinds[t]))
        return false;
    }
    group.members.push_back(bench.programs.size());
    if (!AddProgram(bench, scratch, options.operands[1], false, targets[t], kinds[t]))
      return false;
    bench.groups.push_back(std::move(group));
  }
  bench.hasReference = options.operands.size() == 3;
  if (bench.hasReference) {
    bench.groups.push_back(Group{"reference", {bench.programs.size()}});
    if (!AddProgram(bench, scratch, options.operands[2], false, std::string(), ""))
      return false;
  }
  return true;
}

// Each line: the load, then per group the times in the group's order and, for the program under
// test, its ratio to the baseline of the same round.
void PrintRoundHead(const Bench& bench) {
  std::printf("\n%-8s %5s", "round", "load");
  for (const Group& group : bench.groups) {
    for (size_t m : group.members)
      std::printf(" %14.14s", (bench.programs[m].role +
                               (group.members.size() > 1 ? "/" + group.label.substr(0, 3) : ""))
                                  .c_str());
    if (group.members.size() > 1)
      std::printf(" %6s", "ratio");
  }
  std::printf("\n");
}

void PrintRoundLine(const Bench& bench, const char* round, double load) {
  std::printf("%-8s", round);
  if (load >= 0)
    std::printf(" %5.2f", load);
  else
    std::printf(" %5s", "-");
  for (const Group& group : bench.groups) {
    for (size_t m : group.members)
      std::printf(" %11.1f ms", bench.programs[m].last);
    if (group.members.size() > 1)
      std::printf(" %6.2f", bench.programs[group.members[0]].last /
                                bench.programs[group.members.back()].last);
  }
  std::printf("\n");
  std::fflush(stdout);
}

// The warm-up rounds, then the timed ones; the load at each timed round's start goes to `loads`.
// False when a program failed.
bool RunRounds(const Options& options, Bench& bench, std::vector<double>& loads) {
  const DWORD timeoutMs = static_cast<DWORD>(options.timeoutSeconds) * 1000;
  PrintRoundHead(bench);
  for (long r = -options.warmup; r < options.rounds; ++r) {
    const bool record = r >= 0;
    const double load = LoadAverage();
    if (!RunRound(bench.programs, bench.groups, static_cast<size_t>(r + options.warmup), timeoutMs,
                  record)) {
      return false;
    }
    if (record && load >= 0)
      loads.push_back(load);
    PrintRoundLine(bench, record ? std::to_string(r + 1).c_str() : "warm-up", load);
  }
  return true;
}

void PrintMedians(const Bench& bench, long rounds) {
  std::printf("\n%-30s %14s %14s %14s\n", "", "start-up (ms)", "private (KiB)", "file (KiB)");
  for (const Program& p : bench.programs) {
    const std::string name = p.kind.empty() ? p.role : p.role + ", " + p.kind + " target";
    std::printf("%-30s %14.1f %14.0f %14.1f\n", name.c_str(), Median(p.times), Median(p.privateKiB),
                p.fileKiB);
  }
  std::printf(
      "(medians over %ld rounds; private memory read once the shown window's process was "
      "idle)\n\n",
      rounds);
}

// Rows of ratios, a column per target kind: the median of the rounds' ratios (quartiles), then
// whether the aim is met.
void PrintRatios(const Bench& bench, double aim) {
  const std::vector<Program>& programs = bench.programs;
  const size_t formCount = bench.formCount;
  auto cellsOf = [&](auto ratiosOf) {
    std::vector<std::string> cells;
    for (size_t g = 0; g < bench.kindCount; ++g)
      cells.push_back(ratiosOf(bench.groups[g].members));
    return cells;
  };
  auto role = [&](size_t member) { return programs[bench.groups[0].members[member]].role; };
  const std::string baselineRole = role(formCount);
  std::vector<std::string> heads;
  for (size_t g = 0; g < bench.kindCount; ++g)
    heads.push_back(bench.groups[g].label + " target");
  PrintRow("median of the rounds' ratios (quartiles)", heads);
  for (size_t f = 0; f < formCount; ++f) {
    PrintRow(role(f) + " / " + baselineRole, cellsOf([&](const std::vector<size_t>& m) {
               return Spread(Ratios(programs[m[f]].times, programs[m[formCount]].times));
             }));
  }
  for (size_t f = 1; f < formCount; ++f) {
    PrintRow(role(f) + " / " + role(0), cellsOf([&](const std::vector<size_t>& m) {
               return Spread(Ratios(programs[m[f]].times, programs[m[0]].times));
             }));
  }
  if (bench.hasReference) {
    const Program& reference = programs.back();
    PrintRow(role(0) + " / " + reference.role, cellsOf([&](const std::vector<size_t>& m) {
               return Spread(Ratios(programs[m[0]].times, reference.times));
             }));
  }
  PrintRow("private memory, " + role(0) + " / " + baselineRole,
           cellsOf([&](const std::vector<size_t>& m) {
             return Spread(Ratios(programs[m[0]].privateKiB, programs[m[formCount]].privateKiB));
           }));
  // The fastest runs are the ones the machine's other work disturbed least.
  PrintRow("lower quartiles, " + role(0) + " / " + baselineRole,
           cellsOf([&](const std::vector<size_t>& m) {
             char text[16];
             std::snprintf(text, sizeof text, "%.2f",
                           Quantile(programs[m[0]].times, 0.25) /
                               Quantile(programs[m[formCount]].times, 0.25));
             return std::string(text);
           }));
  bool met = true;
  for (size_t g = 0; g < bench.kindCount; ++g) {
    const std::vector<size_t>& m = bench.groups[g].members;
    met = met && Median(Ratios(programs[m[0]].times, programs[m[formCount]].times)) <= aim;
  }
  std::printf("aim: %s / %s at most %.2f for every target: %s\n", role(0).c_str(),
              baselineRole.c_str(), aim, met ? "met" : "not met");
}

void PrintLoads(const std::vector<double>& loads) {
  if (loads.empty())
    return;
  std::printf("load average (1 min) at the rounds' starts: median %.2f, %.2f to %.2f\n",
              Median(loads), *std::min_element(loads.begin(), loads.end()),
              *std::max_element(loads.begin(), loads.end()));
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options))
    return Usage();
  for (const char* path : options.operands) {
    if (!IsFile(FullPath(path))) {
      std::fprintf(stderr, "StartupProbe: no such program: %s\n", path);
      return 2;
    }
  }
  ScratchFolder scratch;
  if (scratch.path().empty()) {
    std::fprintf(stderr, "StartupProbe: could not create a folder under %%TEMP%%\n");
    return 1;
  }
  Bench bench;
  std::vector<double> loads;
  if (!SetUpBench(options, scratch, bench) || !RunRounds(options, bench, loads))
    return 1;
  PrintMedians(bench, options.rounds);
  PrintRatios(bench, options.aim);
  PrintLoads(loads);
  return 0;
}
