#include "folders/DirectoryListBox.h"

#include <vector>

#include "folders/DirectoryPath.h"

namespace velmora {

namespace {
std::string CurrentDirectory() {
  std::vector<char> buffer(MAX_PATH);
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  return std::string(buffer.data(), length < buffer.size() ? length : 0);
}
}  // namespace

DirectoryListBox::DirectoryListBox(ui::Widget& parent, int id, ui::Bounds bounds)
    : ListBox(parent, id, bounds, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP),
      directory_(CurrentDirectory()) {}

void DirectoryListBox::SetDirectory(const std::string& path) {
  if (path.empty() || SameDirectory(directory_, path))
    return;
  directory_ = EnterDirectory(path);
}

}  // namespace velmora
