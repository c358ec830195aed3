#pragma once
// The picker's directory list. Its Directory is the folder open in the list; writing it enters
// that folder, and the process's current directory follows.
#include <string>

#include "ui/StdControls.h"

namespace velmora {

class DirectoryListBox : public ui::ListBox {
 public:
  DirectoryListBox(ui::Widget& parent, int id, ui::Bounds bounds);

  const std::string& Directory() const { return directory_; }
  // An empty path, or the folder already open, changes nothing. A folder that cannot be entered
  // raises the input/output error and leaves everything as it was.
  void SetDirectory(const std::string& path);

 private:
  std::string directory_;
};

}  // namespace velmora
