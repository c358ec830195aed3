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

class TDriveComboBox;

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
  // that drive.
  void DriveChange(char letter);

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
  friend class TDriveComboBox;

  void Rebuild();
  int MeasureRow();
  std::string DisplayText(int index) const;

  std::string directory_;
  DirectoryItems items_;
  bool showStoredCase_ = true;
  bool writingDirectory_ = false;
  TDriveComboBox* driveList_ = nullptr;
  RowPictures pictures_;
};

}  // namespace velmora
