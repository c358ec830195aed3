#include "base/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "base/KernelHandles.h"
#include "base/PathRules.h"

namespace velmora {

namespace {

// Larger than any file the program reads whole: not one of its files.
constexpr std::uint64_t kLargestFile = 16u << 20;
constexpr std::size_t kChunk = 1u << 20;
// How long a file that another program holds is waited for.
constexpr int kReplaceAttempts = 20;
constexpr DWORD kReplacePauseMs = 50;

[[noreturn]] void Fail(unsigned long code) {
  throw FileError(code);
}

std::uint64_t SizeOf(HANDLE file) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size))
    Fail(GetLastError());
  return static_cast<std::uint64_t>(size.QuadPart);
}

// Exactly `size` bytes from the file's position.
std::string ReadBytes(HANDLE file, std::uint64_t size) {
  std::string bytes(static_cast<std::size_t>(size), '\0');
  for (std::size_t done = 0; done < bytes.size();) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr))
      Fail(GetLastError());
    if (read == 0)
      Fail(ERROR_HANDLE_EOF);
    done += read;
  }
  return bytes;
}

// What the system answers while another program (a virus scanner, an indexer, a second copy of
// this one reading the file) holds the file for a moment.
bool HeldByAnother(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

// A new hidden file beside the file it is to replace, removed when this goes unless it has taken
// that file's name.
class PendingFile {
 public:
  explicit PendingFile(const std::string& beside) {
    // Named as no user or program names a file, and new: an existing file is never touched.
    static unsigned serial = 0;
    const std::string prefix = beside.substr(0, FindLastOf(beside, "\\:") + 1) + "~vm" +
                               std::to_string(GetCurrentProcessId()) + ".";
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 100 && error == ERROR_FILE_EXISTS; ++attempt) {
      path_ = prefix + std::to_string(serial++);
      file_.Reset(CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_HIDDEN, nullptr));
      if (file_)
        return;
      error = GetLastError();
    }
    path_.clear();
    Fail(error);
  }
  ~PendingFile() {
    file_.Reset();
    if (!path_.empty())
      DeleteFileA(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Every byte written, flushed, counted and read back, each step checked: a full disk shows in
  // any of them, or in none while the file still comes out short.
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
    if (SizeOf(file_.Get()) != bytes.size())
      Fail(0);
    const LARGE_INTEGER start{};
    if (!SetFilePointerEx(file_.Get(), start, nullptr, FILE_BEGIN))
      Fail(GetLastError());
    if (ReadBytes(file_.Get(), bytes.size()) != bytes)
      Fail(0);
    // Closing can report a write the system held back.
    if (!CloseHandle(file_.Release()))
      Fail(GetLastError());
  }

  // Puts the file in the place of `path` in one step, replacing a file of that name.
  void TakeName(const std::string& path, DWORD attributes) {
    if (!SetFileAttributesA(path_.c_str(), attributes))
      Fail(GetLastError());
    for (int attempt = 1; !MoveFileExA(path_.c_str(), path.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
         ++attempt) {
      const DWORD error = GetLastError();
      if (!HeldByAnother(error) || attempt == kReplaceAttempts)
        Fail(error);
      Sleep(kReplacePauseMs);
    }
    path_.clear();
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
  return ReadBytes(file.Get(), size);
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
