#include "TestFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <climits>

#include "base/KernelHandles.h"

namespace velmora::testing {

std::string Acp(const std::wstring& text) {
  if (text.empty() || text.size() > INT_MAX)
    return {};
  const int length = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
  return result;
}

std::string TempFolder() {
  char temp[MAX_PATH] = {};
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  if (length == 0 || length >= MAX_PATH)
    return {};
  char longTemp[MAX_PATH] = {};
  const DWORD longLength = GetLongPathNameA(temp, longTemp, MAX_PATH);
  std::string folder = longLength > 0 && longLength < MAX_PATH ? std::string(longTemp, longLength)
                                                               : std::string(temp, length);
  if (!folder.empty() && folder.back() == '\\')
    folder.pop_back();
  return folder;
}

std::string CurrentFolder() {
  char buffer[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
  return length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string TestProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of('\\');
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string FixturePath(const std::string& name) {
  return TestProgramFolder() + "\\fixtures\\" + name;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& path) {
  CreateDirectoryA(path.c_str(), nullptr);
}

void MakeFile(const std::string& path, const std::string& contents) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    return;
  DWORD written = 0;
  WriteFile(file.Get(), contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
}

std::string ReadWholeFile(const std::string& path) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file)
    return {};
  std::string contents;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
    contents.append(chunk, read);
  return contents;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  const UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &entry));
  if (!search)
    return names;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..")
      names.push_back(name);
  } while (FindNextFileA(search.Get(), &entry));
  return names;
}

void RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return;
  }
  for (const std::string& name : FolderEntries(path))
    RemoveTree(path + "\\" + name);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryA(path.c_str());
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                              path))) {
    return {};
  }
  return path;
}

ScratchFolder::ScratchFolder(const std::string& prefix) : savedCurrent_(CurrentFolder()) {
  static unsigned counter = 0;
  path_ = TempFolder() + "\\" + prefix + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++counter);
  RemoveTree(path_);
  MakeFolder(path_);
}

ScratchFolder::~ScratchFolder() {
  SetCurrentDirectoryA(savedCurrent_.c_str());
  RemoveTree(path_);
}

}  // namespace velmora::testing
