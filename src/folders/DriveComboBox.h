#pragma once
// The picker's drive list: a drop-down list of the computer's drives, linked to the directory
// list. It shows the directory list's drive, and choosing another drive, by mouse or keyboard,
// moves the directory list there at once.
#include <string>
#include <vector>

#include "folders/DirectoryListBox.h"
#include "folders/DriveItems.h"
#include "folders/PickerRows.h"
#include "ui/Control.h"
#include "ui/StdControls.h"

namespace velmora {

// The drive list owns its link to the directory list: it moves the list to the drive chosen,
// and the list tells it, as its DriveFollower, which drive its folder is on.
class TDriveComboBox : public ui::Control, private DriveFollower {
 public:
  TDriveComboBox(ui::Widget& parent, int id, ui::Bounds bounds);
  ~TDriveComboBox() override;

  // The selected drive's letter, '\0' for none (a network folder has no drive letter).
  char Drive() const { return drive_; }
  // Selects the drive and moves the linked directory list there. A drive the directory list
  // cannot enter raises the input/output error.
  void SetDrive(char letter);

  TextCase GetTextCase() const { return textCase_; }
  void SetTextCase(TextCase textCase);

  TDirectoryListBox* DirList() const { return dirList_; }
  // Links this drive list to `list` (nullptr: to none), and unlinks the drive list that `list`
  // had. The link is cleared when either list goes.
  void SetDirList(TDirectoryListBox* list);

  // The item texts as shown, one per drive in letter order.
  const std::vector<std::string>& ItemTexts() const { return texts_; }
  int ItemIndex() const;

  ui::Event onClick;   // the user changed the selection
  ui::Event onChange;  // after every drive change

 protected:
  void OnWindowCreated() override;
  void OnFontChanged() override;
  int ExtraCreationHeight() const override { return ui::ComboBox::kDropDownHeight; }
  bool OnCommand(WORD code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;

 private:
  void DirectoryDriveChanged(char letter) override;
  void DirectoryListUnlinked() override;
  // Selects the drive; false when it was selected already.
  bool ShowDrive(char letter);
  void BuildItems();
  // Builds the items again and selects the drive that was selected.
  void Refill();
  int MeasureRow();
  void UserChoseItem();

  std::vector<std::string> texts_;
  std::vector<DriveKind> kinds_;
  char drive_;
  TextCase textCase_ = TextCase::kLowerCase;
  TDirectoryListBox* dirList_ = nullptr;
  RowPictures pictures_;
};

}  // namespace velmora
