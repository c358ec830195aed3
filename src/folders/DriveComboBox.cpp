#include "folders/DriveComboBox.h"

#include <windows.h>
#include <winnetwk.h>

#include "folders/CodePageCase.h"
#include "folders/DirectoryItems.h"
#include "folders/DirectoryPath.h"
#include "folders/LetterCase.h"
#include "ui/ErrorReport.h"
#include "ui/ItemDrawFrame.h"

namespace velmora {

namespace {

constexpr ui::ControlStyle kDriveListStyle{
    "COMBOBOX",
    // The texts stay in the control, so that screen readers read the items as shown.
    CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0};

// The name buffers of the volume and network queries: MAX_PATH + 1.
constexpr DWORD kNameSize = 261;

// Sets the system error mode for the length of a scope and puts the old one back.
class ErrorModeScope {
 public:
  explicit ErrorModeScope(UINT mode) : old_(SetErrorMode(mode)) {}
  ~ErrorModeScope() { SetErrorMode(old_); }
  ErrorModeScope(const ErrorModeScope&) = delete;
  ErrorModeScope& operator=(const ErrorModeScope&) = delete;

 private:
  UINT old_;
};

// A volume name or network name in the case of the drive letter it is shown with.
std::string InLetterCase(std::string_view name, char letter) {
  return IsLowerLetter(letter) ? CodePageLower(name) : CodePageUpper(name);
}

std::string VolumeName(const char* root) {
  char name[kNameSize] = {};
  // A drive without a medium answers at once instead of asking the user to insert one.
  const ErrorModeScope quiet(SEM_FAILCRITICALERRORS);
  if (!GetVolumeInformationA(root, name, kNameSize, nullptr, nullptr, nullptr, nullptr, 0))
    return {};
  return name;
}

std::string VolumeTagOf(const char* root, char letter) {
  return VolumeTag(InLetterCase(VolumeName(root), letter));
}

std::string NetworkNameOf(const char* root, char letter) {
  const char device[] = {InTextCase(letter, TextCase::kUpperCase), ':', '\0'};
  char remote[kNameSize] = {};
  DWORD size = kNameSize;
  if (WNetGetConnectionA(device, remote, &size) != NO_ERROR)
    return VolumeTagOf(root, letter);
  remote[kNameSize - 1] = '\0';
  return InLetterCase(remote, letter);
}

char CurrentDrive() {
  const std::string current = CurrentDirectory();
  return current.empty() || current[0] == '\\' ? '\0' : current[0];
}

}  // namespace

TDriveComboBox::TDriveComboBox(ui::Widget& parent, int id, ui::Bounds bounds)
    : Control(parent, id, bounds, "", kDriveListStyle),
      drive_(CurrentDrive()),
      // In the order of DriveKind.
      pictures_(*this, {{"FLOPPY", "FLOPPY_24"},
                        {"HARD", "HARD_24"},
                        {"NETWORK", "NETWORK_24"},
                        {"CDROM", "CDROM_24"},
                        {"RAM", "RAM_24"}}) {}

TDriveComboBox::~TDriveComboBox() {
  if (dirList_)
    dirList_->UnlinkFollower(*this);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
  if (list == dirList_)
    return;
  if (dirList_)
    dirList_->UnlinkFollower(*this);
  dirList_ = list;
  if (list)
    list->LinkFollower(*this);
}

void TDriveComboBox::DirectoryDriveChanged(char letter) {
  // The list is on that drive already.
  if (ShowDrive(letter) && onChange)
    onChange();
}

void TDriveComboBox::DirectoryListUnlinked() {
  dirList_ = nullptr;
}

int TDriveComboBox::ItemIndex() const {
  return HasWindow() ? static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)) : -1;
}

void TDriveComboBox::SetDrive(char letter) {
  if (!ShowDrive(letter))
    return;
  if (dirList_)
    dirList_->DriveChange(drive_);
  if (onChange)
    onChange();
}

bool TDriveComboBox::ShowDrive(char letter) {
  if (ItemIndex() >= 0 && SameDriveLetter(letter, drive_))
    return false;
  if (letter == '\0') {
    drive_ = '\0';
    if (HasWindow())
      SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  } else {
    drive_ = InTextCase(letter, textCase_);
    const int item = FindDriveItem(texts_, drive_);
    if (item >= 0 && HasWindow())
      SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  }
  return true;
}

void TDriveComboBox::SetTextCase(TextCase textCase) {
  if (textCase == textCase_)
    return;
  textCase_ = textCase;
  Refill();
}

void TDriveComboBox::BuildItems() {
  texts_.clear();
  kinds_.clear();
  if (HasWindow())
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
  const DWORD present = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if ((present & (1ul << bit)) == 0)
      continue;
    const char letter = InTextCase(static_cast<char>('a' + bit), textCase_);
    const char root[] = {letter, ':', '\\', '\0'};
    const auto kind = DriveKindOf(GetDriveTypeA(root));
    if (!kind)
      continue;
    std::string tagOrName;
    // A removable drive is not asked for its label: reading it could wait for the medium.
    if (*kind == DriveKind::kRemote)
      tagOrName = NetworkNameOf(root, letter);
    else if (*kind != DriveKind::kRemovable)
      tagOrName = VolumeTagOf(root, letter);
    texts_.push_back(DriveItemText(letter, *kind, tagOrName));
    kinds_.push_back(*kind);
    if (HasWindow())
      SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts_.back().c_str()));
  }
}

void TDriveComboBox::Refill() {
  if (!HasWindow())
    return;
  BuildItems();
  // Nothing is selected after the build, so the drive is selected again and passed on.
  SetDrive(drive_);
}

int TDriveComboBox::MeasureRow() {
  // At least as high as the removable-drive picture.
  const auto removable = static_cast<std::size_t>(DriveKind::kRemovable);
  return RowHeight(Fonts().Get(Font(), Dpi()), pictures_[removable].Height());
}

void TDriveComboBox::OnWindowCreated() {
  Refill();
}

void TDriveComboBox::OnFontChanged() {
  // The selection field (-1) and the list rows take the new font's height.
  const int height = MeasureRow();
  SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);
  // Every change of the font, the picker's greying included, reads the drives again.
  Refill();
}

bool TDriveComboBox::OnCommand(WORD code) {
  if (code != CBN_SELCHANGE)
    return false;
  if (onClick)
    onClick();
  UserChoseItem();
  return true;
}

void TDriveComboBox::UserChoseItem() {
  const int item = ItemIndex();
  if (item < 0 || static_cast<std::size_t>(item) >= texts_.size())
    return;
  if (ui::RunGuarded([&] { SetDrive(texts_[static_cast<std::size_t>(item)][0]); }) || !dirList_)
    return;
  // The directory list stayed where it was: after the report, show its drive again rather than
  // one the picker is not on.
  SetDrive(DriveLetterOf(dirList_->Directory()));
}

bool TDriveComboBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(MeasureRow());
  return true;
}

bool TDriveComboBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const ui::ItemDrawFrame frame(item, RowBackground(), ui::TextColor(Font()));
  const int index = frame.Index();
  if (index < 0 || static_cast<std::size_t>(index) >= texts_.size())
    return true;
  const auto at = static_cast<std::size_t>(index);
  const ui::TransparentBitmap& picture = pictures_[static_cast<std::size_t>(kinds_[at])];
  RECT row = frame.Rect();
  DrawRowPicture(frame.Dc(), picture, row.left + 2, row);
  row.left += PictureWidth(picture) + 6;
  const ui::SelectScope font(frame.Dc(), Fonts().Get(Font(), Dpi()));
  DrawTextA(frame.Dc(), texts_[at].c_str(), static_cast<int>(texts_[at].size()), &row,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  return true;
}

}  // namespace velmora
