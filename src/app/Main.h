#pragma once
// TForm1, the program's one window. Its controls are the whole working state: every handler
// reads the values it needs from them when it runs. Its methods are defined beside this header,
// one file a concern:
//   Main.cpp             the controls' table and their wiring; creating, showing, closing
//   MainLifecycle.cpp    FormCreate, FormShow, FormClose
//   MainTarget.cpp       SetTarget, TakeNextTarget, Edit1Change, Button1Click, WMDropFiles
//   MainDestination.cpp  RadioGroup1Click, EnableCustomFolder
//   MainIcons.cpp        ShowFileIcon, FillIconList, Button2Click, ImageListBox1Click/KeyDown
//   MainCreate.cpp       BitBtn1Click, ReadShortcutRequest, MakeShortcut: the create command
//   MainSendTo.cpp       OfferSendToEntry, the first-start offer
#include <windows.h>
#include <shellapi.h>
#include <optional>
#include <string>

#include "app/TargetQueue.h"
#include "folders/DirectoryListBox.h"
#include "folders/DriveComboBox.h"
#include "icons/CheckedIconFile.h"
#include "icons/IconChoice.h"
#include "icons/ImageListBox.h"
#include "ui/BitBtn.h"
#include "ui/ImageList.h"
#include "ui/OpenDialog.h"
#include "ui/RadioGroup.h"
#include "ui/StdControls.h"
#include "ui/Window.h"

namespace velmora {

struct ShortcutRequest;

class TForm1 : public ui::Form {
 public:
  TForm1();

  // Creates the invisible window with its controls, then runs FormCreate.
  void Create();
  // Runs FormShow and shows the window, centred, whatever show state the program was given.
  void Show();

  // Event handlers, each named after its control and event.
  void FormCreate();
  void FormShow();
  void FormClose();
  void Edit1Change();
  void Button1Click();
  void Button2Click();
  void ImageListBox1Click();
  void ImageListBox1KeyDown(WORD key, ui::ShiftState shift);
  void RadioGroup1Click();
  void BitBtn1Click();
  void WMDropFiles(HDROP drop);

  void SetTarget(const std::string& path);
  // Serves the queue's next target as SetTarget does; one that cannot be taken is reported and
  // the one after it is served instead. False when no target was left to take.
  bool TakeNextTarget();
  // SetTarget for a path already in its long form with its root's backslash (TargetPath).
  void TakeTarget(const std::string& path);
  void ShowFileIcon(const std::string& path);
  void FillIconList(const std::string& path);
  // The icon browse's choice: preview, list and Edit4 take the file.
  void IconFileChosen(const std::string& path);
  void EnableCustomFolder(bool enable);
  // Asks before it replaces a file of the link's name, then writes the link; false when the user
  // keeps that file. Errors of the writer leave it. The caller decides what follows.
  bool MakeShortcut(const ShortcutRequest& request);
  // Closes the window as its close box does, once the running handler has returned.
  void Close();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnFontChanged() override;

 private:
  // The first-start offer; true once it is done with: the link made, or not wanted.
  bool OfferSendToEntry();
  // The create command's request as far as its question names it: target, destination, name,
  // suffix and arguments, each read once and checked. nullopt when no destination is chosen; a
  // refused field gets the focus, and its error is raised.
  std::optional<ShortcutRequest> ReadShortcutRequest();
  // A queued path as SetTarget takes it: a relative command-line path names a file of the
  // folder the program was started in.
  std::string QueuedTargetPath(const std::wstring& path) const;
  // Before the folder list is made: moves it to the first queued target's folder, so that it
  // lists that folder alone.
  void OpenFolderListAtTarget();
  // The title, with the served target's place while a batch of several is served.
  std::string Caption() const;
  void SaveAndDestroy();
  // Shows OpenDialog1 at the folder the settings remember; true when a file was chosen.
  bool BrowseFromSavedFolder();
  // The file whose icons are listed: Edit4's, or the target when Edit4 is empty.
  std::string IconFile() const;
  // Lets a click or the create command go on while the icon list shows what `file` holds. When
  // the file changed or is gone since, the list is read again (a gone icon file gives way to the
  // target) and the error raised tells the user: once for each change. An empty list is filled
  // without a word: it held no choice.
  void CheckIconList(const CheckedIconFile& file);
  // The system's large-icon size at the window's DPI.
  int LargeIconSize() const;
  // Sizes the icon list's cells and images for the window's DPI; images of a new size are read
  // again from the file.
  void ScaleIconChoice();

  // The current folder when the program started, before any control was made: a relative
  // command-line path names a file there.
  const std::string startFolder_;
  // The file whose shell icon the preview shows, empty when it shows another icon.
  std::string shellPreviewOf_;
  // The file the icon list was read from last, and what it gave then.
  std::string listedFile_;
  ListedIcons listed_;
  // The targets not yet served: the command line's arguments, or the items of the last drop.
  TargetQueue targets_;
  // The first queued target as SetTarget takes it, made before the window is shown, until
  // FormShow takes it.
  std::optional<std::string> preparedTarget_;

 public:
  // The controls, in tab order within each parent.
  ui::Label Label1;
  ui::Label Label2;
  ui::Label Label3;
  ui::Label Label4;
  ui::Edit Edit1;
  ui::Button Button1;
  ui::Edit Edit2;
  ui::Edit Edit3;
  ui::RadioGroup RadioGroup1;
  ui::CheckBox CheckBox1;
  ui::ComboBox ComboBox1;
  ui::GroupBox GroupBox1;
  ui::Panel Panel1;
  ui::Picture Image1;
  ui::Edit Edit4;
  ui::Button Button2;
  TImageListBox ImageListBox1;
  ui::GroupBox GroupBox2;
  TDriveComboBox DriveComboBox1;
  TDirectoryListBox DirectoryListBox1;
  ui::BitBtn BitBtn1;
  ui::BitBtn BitBtn2;

  ui::OpenDialog OpenDialog1;
  ui::ImageList ImageList1;
};

}  // namespace velmora
