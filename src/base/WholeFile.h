#pragma once
// A file read whole, and written whole or not at all. The system's profile writer and the shell's
// link save both report success for a file that a full disk cut short; here the new bytes go
// first into a hidden file beside the file, checked on the way (every write, the flush, the size,
// the bytes read back), and only then take the file's name, in one step.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

// Why a file was not read or written: the system's error code, or 0 when every call answered
// success and the file still did not hold the bytes.
class FileError : public std::runtime_error {
 public:
  explicit FileError(unsigned long code) : std::runtime_error("file error"), code_(code) {}
  unsigned long Code() const { return code_; }

 private:
  unsigned long code_;
};

// The file's bytes; nullopt when there is no such file (nor its folder). Raises FileError when
// it cannot be read, or is too large to be a file the program reads whole.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Gives the file at `path` these bytes, or makes it with them, keeping the hidden and system marks
// of the file it replaces. The hidden file's name is no longer than the file's, so it fits
// wherever the file's path does. A file that another program holds is waited for up to about
// 2 s. On any failure the hidden file is removed, a file of that name stays as it was, and
// FileError is raised.
void WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace velmora
