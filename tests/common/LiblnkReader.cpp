#include "LiblnkReader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "LinkFileReader.h"
#include "TestFiles.h"
#include "base/ComApartment.h"
#include "base/KernelHandles.h"
#include "base/WideText.h"

namespace velmora::test {
namespace {

// Debian's own Python, which has python3-liblnk's module (an interpreter earlier in PATH may
// not), by the Z: path through which Wine reaches a Linux file.
constexpr wchar_t kPython[] = L"Z:\\usr\\bin\\python3";
// Prints each field in hexadecimal as the bytes of the code page named by its second argument,
// one a line, "-" for an absent one, or the reason it could not; then "end", so that the whole
// output is known to be there.
constexpr char kScript[] =
    "import sys\n"
    "try:\n"
    "    import pylnk\n"
    "    f = pylnk.file()\n"
    "    f.set_ascii_codepage(sys.argv[2])\n"
    "    f.open(sys.argv[1])\n"
    "    for v in (f.local_path, f.command_line_arguments, f.working_directory, f.icon_location):\n"
    "        print('-' if v is None else v.encode(sys.argv[2]).hex())\n"
    "except Exception as error:\n"
    "    print('error:', error)\n"
    "print('end', flush=True)\n";
constexpr DWORD kTimeoutMs = 30000;
constexpr char kInstallHint[] = " (tools/install-deps.sh installs python3-liblnk)";

std::wstring Utf8ToWide(const std::string& text) {
  if (text.empty())
    return {};
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                       static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size <= 0 || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                       static_cast<int>(text.size()), wide.data(), size) != size) {
    throw std::runtime_error("a Linux path that is no UTF-8: " + text);
  }
  return wide;
}

// The Linux path of a file, which only Wine knows.
std::wstring UnixPathOf(const std::string& path) {
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
  if (unixFileName == nullptr)
    throw std::runtime_error("the liblnk reader runs only under Wine");
  const std::optional<std::wstring> wide = ToWide(path, true);
  char* unixPath = wide ? unixFileName(wide->c_str()) : nullptr;
  if (unixPath == nullptr)
    throw std::runtime_error("no Linux path for " + path);
  const std::string utf8 = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return Utf8ToWide(utf8);
}

// Runs the script on the file and returns all it printed, errors included. Wine starts a Linux
// program without a process handle to wait on, and can give it a file but not a pipe for its
// output: the output is read from the file until it is complete.
std::string RunLiblnk(const std::string& path) {
  static unsigned serial = 0;
  const std::string base = testing::TempFolder() + "\\VelmoraLiblnk" +
                           std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
  const std::string script = base + ".py";
  const std::string outputPath = base + ".txt";
  testing::MakeFile(script, kScript);
  struct Cleanup {
    const std::string& script;
    const std::string& output;
    ~Cleanup() {
      DeleteFileA(script.c_str());
      DeleteFileA(output.c_str());
    }
  } cleanup{script, outputPath};

  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  UniqueFile output(CreateFileA(outputPath.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!output)
    throw std::runtime_error("no output file for the liblnk reader");
  std::wstring commandLine = L"python3 \"" + UnixPathOf(script) + L"\" \"" + UnixPathOf(path) +
                             L"\" cp" + std::to_wstring(GetACP());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output.Get();
  startup.hStdError = output.Get();
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(kPython, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &started)) {
    throw std::runtime_error("cannot start /usr/bin/python3 for liblnk" +
                             std::string(kInstallHint));
  }
  if (started.hThread != nullptr)
    CloseHandle(started.hThread);
  if (started.hProcess != nullptr)
    CloseHandle(started.hProcess);
  output.Reset();

  const ULONGLONG start = GetTickCount64();
  for (;;) {
    const std::string text = testing::ReadWholeFile(outputPath);
    if (text.size() >= 4 && text.compare(text.size() - 4, 4, "end\n") == 0)
      return text;
    if (GetTickCount64() - start > kTimeoutMs)
      throw std::runtime_error("the liblnk reader did not finish on " + path + ": " + text);
    Sleep(20);
  }
}

std::string FromHex(const std::string& hex) {
  if (hex.size() % 2 != 0)
    throw std::runtime_error("liblnk reader: odd hexadecimal field " + hex);
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

}  // namespace

LiblnkFields ReadWithLiblnk(const std::string& path) {
  const std::string output = RunLiblnk(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(output.substr(start, end - start));
  if (lines.size() != 5 || lines[4] != "end") {
    const bool noModule = output.find("No module named") != std::string::npos;
    throw std::runtime_error("liblnk cannot read " + path + ": " + output +
                             (noModule ? kInstallHint : ""));
  }
  std::string fields[4];
  for (std::size_t i = 0; i < 4; ++i)
    fields[i] = lines[i] == "-" ? std::string() : FromHex(lines[i]);
  return LiblnkFields{fields[0], fields[1], fields[2], fields[3]};
}

void ExpectLiblnkReadsAlike(const std::string& path) {
  SCOPED_TRACE("liblnk reading " + path);
  const ComApartment com;  // for the shell's link object
  try {
    const LiblnkFields independent = ReadWithLiblnk(path);
    const LinkFile bytes = ReadLinkFile(path);
    EXPECT_EQ(independent.target, ReadThroughShell(path).path);
    EXPECT_EQ(independent.arguments, bytes.arguments.value_or(""));
    EXPECT_EQ(independent.workingDirectory, bytes.workingDirectory.value_or(""));
    EXPECT_EQ(independent.iconLocation, bytes.iconLocation.value_or(""));
  } catch (const std::exception& error) {
    ADD_FAILURE() << error.what();
  }
}

}  // namespace velmora::test
