#pragma once
// Scratch folders and texts for the Windows tests that work on real files.
#include <windows.h>

#include <climits>
#include <string>

namespace velmora::testing {

// A wide literal as the system code page's bytes.
inline std::string Acp(const std::wstring& text) {
  if (text.empty() || text.size() > INT_MAX) {
    return {};
  }
  const int length = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
  return result;
}

inline std::string CurrentFolder() {
  char buffer[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
  return length < MAX_PATH ? std::string(buffer, length) : std::string();
}

inline bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void MakeFolder(const std::string& path) {
  CreateDirectoryA(path.c_str(), nullptr);
}

inline void MakeFile(const std::string& path, const std::string& contents = std::string()) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return;
  }
  DWORD written = 0;
  WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
  CloseHandle(file);
}

inline std::string ReadWholeFile(const std::string& path) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return {};
  }
  std::string contents;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
    contents.append(chunk, read);
  }
  CloseHandle(file);
  return contents;
}

inline void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") {
        continue;
      }
      const std::string child = path + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

// A fresh folder under the temporary folder, with its long name in stored case, removed with
// everything in it at the end. The process's current folder is put back too, since the code
// under test moves it.
class ScratchFolder {
 public:
  ScratchFolder() : savedCurrent_(CurrentFolder()) {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    char longTemp[MAX_PATH];
    const DWORD longLength =
        GetLongPathNameA(std::string(temp, length).c_str(), longTemp, MAX_PATH);
    std::string base(longTemp, longLength < MAX_PATH ? longLength : 0);
    if (!base.empty() && base.back() == '\\') {
      base.pop_back();
    }
    static unsigned counter = 0;
    path_ = base + "\\VelmoraTest" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    RemoveTree(path_);
    MakeFolder(path_);
  }
  ~ScratchFolder() {
    SetCurrentDirectoryA(savedCurrent_.c_str());
    RemoveTree(path_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string savedCurrent_;
  std::string path_;
};

}  // namespace velmora::testing
