#include "base/FileSystem.h"

#include <windows.h>

namespace velmora {

namespace {
// A module path never exceeds the system's 32767 UTF-16 units, at most two bytes each here.
constexpr DWORD kMaxModulePathBytes = 65536;
}  // namespace

std::string ExecutablePath() {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0)
      return {};
    // A full buffer means the name was cut (and, on older systems, not even terminated).
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    if (size >= kMaxModulePathBytes)
      return {};
    buffer.resize(size * 2);
  }
}

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsMissing(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
    return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace velmora
