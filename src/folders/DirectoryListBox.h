#pragma once
// The picker's directory list. Its Directory is the folder open in the list, shown as the path
// from the root down to it followed by its subfolders; opening an item (double-click, or Enter
// when the window leaves the key to the list) makes that folder the Directory. The process's
// current directory follows the list.
#include <string>

#include "folders/DirectoryItems.h"
#include "folders/PickerRows.h"
#include "ui/StdControls.h"

namespace velmora {

// The control that shows the drive of the directory list's folder: the drive list that links
// itself to the list (TDriveComboBox::SetDirList). The list tells it of each change of drive and
// of the end of the link, and nothing it does then calls back into the list.
class DriveFollower {
 public:
  // The list has entered a folder on another drive ('\0' for none) and is about to list it.
  virtual void DirectoryDriveChanged(char letter) = 0;
  // The list tells this follower nothing more: another took its place, or the list goes.
  virtual void DirectoryListUnlinked() = 0;

 protected:
  ~DriveFollower() = default;
};

class TDirectoryListBox : public ui::ListBox {
 public:
  TDirectoryListBox(ui::Widget& parent, int id, ui::Bounds bounds);
  ~TDirectoryListBox() override;

  const std::string& Directory() const { return directory_; }
  // Opens the folder a path names: a file or a wildcard name leads to the folder holding it, a
  // path without a drive or a relative one is taken as the system takes it. An empty path, or
  // the folder already open, changes nothing. A folder that cannot be entered raises the
  // input/output error and leaves the list, the drive list and the current directory as they
  // were.
  void SetDirectory(const std::string& path);
  // The linked drive list chose a drive ('\0' for none): opens the system's current folder on
  // that drive. The drive list is not told: the change comes from it.
  void DriveChange(char letter);

  // Tells `follower` of every change of drive from now on, in place of the follower before,
  // which is told that it is unlinked.
  void LinkFollower(DriveFollower& follower);
  // Tells `follower` nothing more, if it is the one linked.
  void UnlinkFollower(const DriveFollower& follower);

  // Opens the selected item's folder. A folder whose name the code page cannot hold is not
  // opened: the error says so.
  void OpenSelected();

  ui::Event onChange;  // after every change of Directory

 protected:
  void OnWindowCreated() override;
  void OnFontChanged() override;
  bool OnCommand(WORD code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Rebuild();
  int MeasureRow();
  std::string DisplayText(int index) const;

  std::string directory_;
  DirectoryItems items_;
  bool showStoredCase_ = true;
  DriveFollower* follower_ = nullptr;
  RowPictures pictures_;
};

}  // namespace velmora
