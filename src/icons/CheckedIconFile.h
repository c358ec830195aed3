#pragma once
// A file checked from its bytes before any of the system's icon calls reads it (see
// IconSource.h), and held open while those calls run, so that no one writes, replaces or
// deletes it between the check and the calls. Every icon the program takes from a file goes
// through one of these.
#include <string>

#include "base/KernelHandles.h"
#include "icons/IconRules.h"
#include "icons/IconSource.h"

namespace velmora {

class CheckedIconFile {
 public:
  explicit CheckedIconFile(std::string path);
  CheckedIconFile(const CheckedIconFile&) = delete;
  CheckedIconFile& operator=(const CheckedIconFile&) = delete;

  const std::string& Path() const { return path_; }
  // Neither a file nor a folder by that name: the system has nothing to show for it.
  bool Missing() const { return state_ == State::Missing; }
  // The icons the system may be asked for, numbered as it numbers them; none for a folder, a
  // file that cannot be read and a damaged file.
  int Count() const { return check_.Count(); }
  // Whether icon `index` may be handed to the system's icon calls.
  bool MayExtract(int index) const { return check_.Whole(index); }
  // Whether the shell may read the file for the icon it shows for it: a folder, or a file whose
  // every icon is whole, since the shell picks one of a program's or icon file's icons itself.
  bool ShellMayRead() const;
  // The file as it was checked, to tell later whether it changed since.
  const IconFileStamp& Stamp() const { return stamp_; }

 private:
  enum class State { Missing, Folder, Unreadable, Checked };

  std::string path_;
  State state_ = State::Missing;
  UniqueFile file_;
  IconSourceCheck check_;
  IconFileStamp stamp_;
};

}  // namespace velmora
