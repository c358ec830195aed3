#include "DropBlock.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

namespace velmora::testing {

namespace {

std::string Block(const void* names, std::size_t bytes, bool wide) {
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt = POINT{20, 20};
  header.fWide = wide ? TRUE : FALSE;
  std::string block(sizeof(DROPFILES) + bytes, '\0');
  std::memcpy(block.data(), &header, sizeof(header));
  std::memcpy(block.data() + sizeof(DROPFILES), names, bytes);
  return block;
}

}  // namespace

std::string DropBlock(const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& path : paths)
    names += path + '\0';
  names += '\0';
  return Block(names.data(), names.size(), false);
}

std::string DropBlock(const std::vector<std::wstring>& paths) {
  std::wstring names;
  for (const std::wstring& path : paths)
    names += path + L'\0';
  names += L'\0';
  return Block(names.data(), names.size() * sizeof(wchar_t), true);
}

}  // namespace velmora::testing
