// The icon choice of the main window: the preview, the list of a file's icons, the icon browse.
#include "app/Main.h"
#include "app/MainTexts.h"
#include "base/Error.h"
#include "icons/CheckedIconFile.h"
#include "icons/FileIcon.h"
#include "icons/IconChoice.h"
#include "icons/IconRules.h"

namespace velmora {

namespace {
// Sizes at 96 DPI: the list's images and its cells.
constexpr int kIconImageSize = 16;
constexpr int kIconCellSize = 20;
}  // namespace

int TForm1::LargeIconSize() const {
  return GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(Dpi()));
}

void TForm1::ShowFileIcon(const std::string& path) {
  Image1.SetIcon(PreviewIcon(path));
  shellPreviewOf_ = PreviewSourceFor(path) == PreviewSource::ShellIcon ? path : std::string();
}

void TForm1::FillIconList(const std::string& path) {
  // Right after ShowFileIcon with the same path, the shell's icon in the preview is the one a
  // file without icons of its own shows in the list: read once (a document's takes milliseconds).
  const HICON shown = !path.empty() && path == shellPreviewOf_ ? Image1.Icon() : nullptr;
  listed_ = FillIconImages(ImageList1, path, LargeIconSize(), shown);
  listedFile_ = path;
  if (listed_.icons == FileIcons::kMissing)
    return;
  // A file without icons of its own shows the shell's icon, which is nothing to choose.
  ImageListBox1.SetEnabled(listed_.icons == FileIcons::kStored);
  ImageListBox1.SetItemIndex(0);
}

void TForm1::Button2Click() {
  if (BrowseFromSavedFolder())
    IconFileChosen(OpenDialog1.FileName());
}

void TForm1::IconFileChosen(const std::string& path) {
  ShowFileIcon(path);
  FillIconList(path);
  Edit4.SetText(path);
}

std::string TForm1::IconFile() const {
  const std::string iconFile = Edit4.Text();
  return iconFile.empty() ? Edit1.Text() : iconFile;
}

void TForm1::ImageListBox1Click() {
  const int index = ImageListBox1.ItemIndex();
  // Without a selection there is no icon to show: the preview keeps the one it has.
  if (index < 0)
    return;
  const CheckedIconFile file(IconFile());
  CheckIconList(file);
  Image1.SetIcon(StoredIcon(file, index));
  shellPreviewOf_.clear();
}

void TForm1::CheckIconList(const CheckedIconFile& file) {
  if (file.Missing() && !Edit4.Text().empty()) {
    Edit4.SetText("");
    const std::string target = Edit1.Text();
    ShowFileIcon(target);
    FillIconList(target);
    throw Error(FormatText(text::kIconFileGone, file.Path()));
  }
  const bool same = file.Path() == listedFile_;
  if (same && ListStillHolds(listed_.icons, listed_.stamp, file.Stamp()))
    return;
  // A list that showed nothing held no choice to lose: filled now, it lets the command go on.
  const bool choiceLost = !same || listed_.icons != FileIcons::kMissing;
  ShowFileIcon(file.Path());
  FillIconList(file.Path());
  if (choiceLost)
    throw Error(FormatText(text::kIconFileChanged, file.Path()));
}

void TForm1::ImageListBox1KeyDown(WORD key, ui::ShiftState) {
  // Whatever the shift keys: a plain Enter reaches the list only while the create button is
  // disabled, since the message loop gives it to that button first.
  if (key == VK_RETURN)
    ImageListBox1Click();
}

void TForm1::ScaleIconChoice() {
  ImageListBox1.SetColumnWidth(Scale(kIconCellSize));
  ImageListBox1.SetItemHeight(Scale(kIconCellSize));
  const int size = Scale(kIconImageSize);
  if (ImageList1.Width() == size && ImageList1.Height() == size)
    return;
  // Images of another size are read again from their large images, not stretched.
  const int selected = ImageListBox1.ItemIndex();
  ImageList1.SetImageSize(size, size);
  const std::string iconFile = IconFile();
  if (iconFile.empty())
    return;
  FillIconList(iconFile);
  ImageListBox1.SetItemIndex(selected);
}

void TForm1::OnFontChanged() {
  // The form's font changes with its DPI.
  ScaleIconChoice();
}

}  // namespace velmora
