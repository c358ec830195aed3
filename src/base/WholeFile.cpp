#include "base/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/KernelHandles.h"
#include "base/LeadBytes.h"
#include "base/PathRules.h"
#include "base/WideText.h"

namespace velmora {

namespace {

// Larger than any file the program reads whole: not one of its files.
constexpr std::uint64_t kLargestFile = 16u << 20;
constexpr std::size_t kChunk = 1u << 20;

[[noreturn]] void Fail(unsigned long code) {
  throw FileError(code);
}

std::uint64_t SizeOf(HANDLE file) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size))
    Fail(GetLastError());
  return static_cast<std::uint64_t>(size.QuadPart);
}

// Up to `size` bytes from the file's position: fewer only where the file ends.
std::string ReadUpTo(HANDLE file, std::size_t size) {
  std::string bytes(size, '\0');
  std::size_t done = 0;
  for (DWORD read = 1; read != 0 && done < bytes.size(); done += read) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
    if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr))
      Fail(GetLastError());
  }
  bytes.resize(done);
  return bytes;
}

// What the system answers while another program (a shell view, an indexer, a virus scanner, a
// second copy of this one) holds a file for a moment.
bool HeldByAnother(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

// Runs `step` until it succeeds, fails for another reason than a held file, or about 2 s have
// passed, waiting a little longer after each try. The last error is the last try's.
template <typename Step>
bool RetryWhileHeld(Step step) {
  constexpr ULONGLONG kPatienceMs = 2000;
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  for (DWORD pauseMs = 10;; pauseMs = std::min<DWORD>(pauseMs * 2, 200)) {
    if (step())
      return true;
    const DWORD error = GetLastError();
    if (!HeldByAnother(error) || GetTickCount64() >= deadline) {
      SetLastError(error);
      return false;
    }
    Sleep(pauseMs);
  }
}

// A name no user or program gives a file, a tilde and numbers of this process and this try, and
// no longer than the file's own name, so that its path fits wherever the file's does.
std::string PendingName(const std::string& path, unsigned serial) {
  const std::size_t nameStart = FindLastOf(path, "\\:") + 1;
  const std::string_view fileName = std::string_view(path).substr(nameStart);
  const LeadBytes& lead = LeadBytes::Active();
  std::size_t room = 0;
  for (std::size_t pos = 0; pos < fileName.size(); pos += lead.CharLength(fileName, pos))
    ++room;
  const std::string process = std::to_string(GetCurrentProcessId());
  std::string name = "~vm" + process + "." + std::to_string(serial);
  if (name.size() > room) {
    // The serial's digits come last, so each try still gets a name of its own.
    const std::string digits = process + std::to_string(serial);
    name = "~" + digits.substr(digits.size() -
                               std::min(digits.size(), std::max<std::size_t>(room, 2) - 1));
  }
  return path.substr(0, nameStart) + name;
}

// A hidden file beside the file it is to replace, which receives the new bytes and then takes
// that file's name. It stays open with no sharing until then, so no other program can open it or
// keep it; when it has not taken that name it goes with its handle.
class PendingFile {
 public:
  explicit PendingFile(const std::string& beside) {
    static unsigned serial = 0;
    DWORD error = ERROR_FILE_EXISTS;
    // New: an existing file is never touched.
    for (int attempt = 0; attempt < 100 && !file_ && error == ERROR_FILE_EXISTS; ++attempt) {
      path_ = PendingName(beside, serial++);
      file_.Reset(CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
      error = GetLastError();
    }
    if (!file_)
      Fail(error);
  }
  ~PendingFile() {
    if (!file_)
      return;
    FILE_DISPOSITION_INFO remove{TRUE};
    const bool marked = RetryWhileHeld([&] {
      return SetFileInformationByHandle(file_.Get(), FileDispositionInfo, &remove, sizeof remove);
    });
    file_.Reset();
    if (!marked)
      RetryWhileHeld([&] { return DeleteFileA(path_.c_str()); });
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Every byte written, flushed and read back, each step checked: a full disk shows in any of
  // them, or in none while the file still comes out short or garbled.
  void Store(std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
      const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
      DWORD written = 0;
      if (!WriteFile(file_.Get(), bytes.data() + done, chunk, &written, nullptr))
        Fail(GetLastError());
      if (written == 0)
        Fail(ERROR_DISK_FULL);
      done += written;
    }
    if (!FlushFileBuffers(file_.Get()))
      Fail(GetLastError());
    const LARGE_INTEGER start{};
    if (!SetFilePointerEx(file_.Get(), start, nullptr, FILE_BEGIN))
      Fail(GetLastError());
    // One byte more than was written: a longer file shows too.
    if (ReadUpTo(file_.Get(), bytes.size() + 1) != bytes)
      Fail(0);
  }

  // Puts the file in the place of `path` in one step, replacing a file of that name, which
  // another program may hold for a moment.
  void TakeName(const std::string& path, DWORD attributes) {
    FILE_BASIC_INFO shown{};
    shown.FileAttributes = attributes;
    if (!SetFileInformationByHandle(file_.Get(), FileBasicInfo, &shown, sizeof shown))
      Fail(GetLastError());
    const std::optional<std::wstring> name = ToWide(path, true);
    if (!name)
      Fail(ERROR_INVALID_NAME);
    const std::size_t nameBytes = name->size() * sizeof(wchar_t);
    std::vector<BYTE> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileName), name->data(), nameBytes);
    if (!RetryWhileHeld([&] {
          return SetFileInformationByHandle(file_.Get(), FileRenameInfo, rename,
                                            static_cast<DWORD>(buffer.size()));
        })) {
      Fail(GetLastError());
    }
    // The bytes were flushed and read back: what closing could report has been seen.
    file_.Reset();
  }

 private:
  std::string path_;
  UniqueFile file_;
};

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      return std::nullopt;
    Fail(error);
  }
  const std::uint64_t size = SizeOf(file.Get());
  if (size > kLargestFile)
    Fail(ERROR_FILE_TOO_LARGE);
  std::string bytes = ReadUpTo(file.Get(), static_cast<std::size_t>(size));
  if (bytes.size() != size)
    Fail(ERROR_HANDLE_EOF);
  return bytes;
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  // The new bytes keep the file's hidden and system marks and are marked changed for backups. A
  // folder or a read-only file of that name is not replaced: the name is not free to write.
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    attributes = 0;
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
    Fail(ERROR_ACCESS_DENIED);
  attributes = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED)) |
               FILE_ATTRIBUTE_ARCHIVE;
  PendingFile pending(path);
  pending.Store(bytes);
  pending.TakeName(path, attributes);
}

}  // namespace velmora
