#include "folders/DirectoryListBox.h"

#include "base/Error.h"
#include "base/FileSystem.h"
#include "folders/CodePageCase.h"
#include "folders/DirectoryPath.h"
#include "folders/DriveItems.h"
#include "folders/FolderTexts.h"
#include "folders/ListBoxFill.h"
#include "folders/SubfolderNames.h"
#include "ui/ItemDrawFrame.h"

namespace velmora {

namespace {

constexpr ui::ControlStyle kStyle{
    "LISTBOX",
    // The texts stay in the control, so that screen readers read the items as shown and typing
    // a letter moves to the next folder that starts with it. The scroll bar stays, so that the
    // frame does not change with every folder.
    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_DISABLENOSCROLL |
        WS_VSCROLL | WS_TABSTOP,
    WS_EX_CLIENTEDGE};

}  // namespace

TDirectoryListBox::TDirectoryListBox(ui::Widget& parent, int id, ui::Bounds bounds)
    : ListBox(parent, id, bounds, kStyle),
      directory_(CurrentDirectory()),
      // In the order of FolderKind.
      pictures_(*this, {{"OPENFOLDER", "OPENFOLDER_24"},
                        {"CURRENTFOLDER", "CURRENTFOLDER_24"},
                        {"CLOSEDFOLDER", "CLOSEDFOLDER_24"}}) {
  // The items are texts: nothing to free when they go (ListBoxFill.h).
  SetKeepsNoItemData(true);
}

TDirectoryListBox::~TDirectoryListBox() {
  if (follower_)
    follower_->DirectoryListUnlinked();
  if (HasWindow())
    EmptyListBox(Handle());
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
  if (path.empty() || SameDirectory(directory_, path))
    return;
  // Resolving the path enters the folder: one that cannot be entered raises here, before the
  // list, the drive list or the current directory changed.
  const std::string entered = EnterDirectory(path);
  const char drive = DriveLetterOf(entered);
  // The folder is entered already: the drive list only shows its drive.
  if (follower_ && !SameDriveLetter(drive, DriveLetterOf(directory_)))
    follower_->DirectoryDriveChanged(drive);
  if (PathExists(directory_))
    SetCurrentDirectoryA(directory_.c_str());
  SetCurrentDirectoryA(entered.c_str());
  directory_ = CurrentDirectory();
  Rebuild();
  if (onChange)
    onChange();
}

void TDirectoryListBox::DriveChange(char letter) {
  if (SameDriveLetter(letter, DriveLetterOf(directory_)))
    return;
  if (letter != '\0')
    directory_ = EnterDirectory(std::string{letter, ':'});
  Rebuild();
  if (onChange)
    onChange();
}

void TDirectoryListBox::LinkFollower(DriveFollower& follower) {
  if (follower_ && follower_ != &follower)
    follower_->DirectoryListUnlinked();
  follower_ = &follower;
}

void TDirectoryListBox::UnlinkFollower(const DriveFollower& follower) {
  if (follower_ == &follower)
    follower_ = nullptr;
}

void TDirectoryListBox::OpenSelected() {
  const int index = ItemIndex();
  if (index < 0)
    return;
  if (!items_.CanOpen(index))
    throw Error(FormatText(text::kFolderNotInCodePage, items_.Text(index)));
  SetDirectory(items_.Path(index));
}

void TDirectoryListBox::Rebuild() {
  if (!HasWindow()) {
    items_ = DirectoryItems();
    return;
  }
  const auto flags = FileSystemFlags(directory_);
  // A volume that does not answer shows the names as they are stored.
  showStoredCase_ = !flags || ShowsStoredCase(*flags);
  items_ = DirectoryItems(directory_, ReadSubfolderNames(directory_));

  const ListBoxFill list(Handle());
  const int count = items_.Count();
  std::size_t bytes = 0;
  for (int i = 0; i < count; ++i)
    bytes += items_.Text(i).size() + 1;
  list.Reserve(count, bytes);
  for (int i = 0; i < count; ++i) {
    const std::string lowered = showStoredCase_ ? std::string() : DisplayText(i);
    list.Add(showStoredCase_ ? items_.Text(i).c_str() : lowered.c_str());
  }
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(items_.OpenFolderIndex()), 0);
}

std::string TDirectoryListBox::DisplayText(int index) const {
  const std::string& text = items_.Text(index);
  return showStoredCase_ ? text : LocaleLower(text);
}

int TDirectoryListBox::MeasureRow() {
  const auto open = static_cast<std::size_t>(FolderKind::kOpen);
  return RowHeight(Fonts().Get(Font(), Dpi()), pictures_[open].Height() + 1);
}

void TDirectoryListBox::OnWindowCreated() {
  Rebuild();
}

void TDirectoryListBox::OnFontChanged() {
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, MeasureRow());
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool TDirectoryListBox::OnCommand(WORD code) {
  const bool handled = ListBox::OnCommand(code);
  if (code == LBN_DBLCLK)
    OpenSelected();
  return handled;
}

LRESULT TDirectoryListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Enter comes as a character only when the window left the key to the list: while the
  // create button is enabled, it takes the key first.
  if (message == WM_CHAR && wParam == VK_RETURN) {
    OpenSelected();
    return 0;
  }
  // Emptied before the list box drops its items one by one.
  if (message == WM_DESTROY)
    EmptyListBox(Handle());
  return ListBox::OnMessage(message, wParam, lParam);
}

bool TDirectoryListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(MeasureRow());
  return true;
}

bool TDirectoryListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const ui::ItemDrawFrame frame(item, RowBackground(), ui::TextColor(Font()));
  const int index = frame.Index();
  if (index < 0 || index >= items_.Count())
    return true;
  const ui::TransparentBitmap& picture = pictures_[static_cast<std::size_t>(items_.Kind(index))];
  const int indent = items_.Indent(index);
  const RECT& row = frame.Rect();
  DrawRowPicture(frame.Dc(), picture, row.left + indent, row);
  const std::string text = DisplayText(index);
  const ui::SelectScope font(frame.Dc(), Fonts().Get(Font(), Dpi()));
  TextOutA(frame.Dc(), row.left + PictureWidth(picture) + indent + 4, row.top, text.c_str(),
           static_cast<int>(text.size()));
  return true;
}

}  // namespace velmora
