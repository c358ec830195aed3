#include "folders/DirectoryListBox.h"

#include "folders/DirectoryPath.h"

namespace velmora {

DirectoryListBox::DirectoryListBox(ui::Widget& parent, int id, ui::Bounds bounds)
    : ListBox(parent, id, bounds,
              {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
               WS_EX_CLIENTEDGE}),
      directory_(CurrentDirectory()) {}

void DirectoryListBox::SetDirectory(const std::string& path) {
  if (path.empty() || SameDirectory(directory_, path))
    return;
  directory_ = EnterDirectory(path);
}

}  // namespace velmora
