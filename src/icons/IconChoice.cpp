// The icon choice of the main window: the preview, the list of a file's icons, the icon browse.
#include <algorithm>

#include "app/Main.h"
#include "icons/CheckedIconFile.h"
#include "icons/FileIcon.h"
#include "icons/IconRules.h"
#include "icons/IconStrip.h"
#include "icons/StoredIcons.h"

namespace velmora {

namespace {
// Sizes at 96 DPI: the list's images and its cells.
constexpr int kIconImageSize = 16;
constexpr int kIconCellSize = 20;
// Icons drawn into one strip at most: bounds the strip's memory for files with very many icons.
constexpr int kStripPixels = 16384;
}  // namespace

int TForm1::LargeIconSize() const {
  return GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(Dpi()));
}

void TForm1::ShowFileIcon(const std::string& path) {
  const CheckedIconFile file(path);
  Image1.SetIcon(PreviewSourceFor(path) == PreviewSource::FirstStoredIcon ? StoredIcon(file, 0)
                                                                          : ShellIcon(file));
}

void TForm1::FillIconList(const std::string& path) {
  ImageList1.Clear();
  // The file stays checked and unchanged until the list is made. A damaged file counts as one
  // without icons.
  const CheckedIconFile file(path);
  if (file.Missing())
    return;
  const int count = file.Count();
  const int cell = LargeIconSize();
  if (count == 0) {
    ImageListBox1.SetEnabled(false);
    // No entry at all when the shell has no icon either.
    if (const ui::UniqueIcon icon = ShellIcon(file)) {
      IconStrip strip(1, cell);
      strip.Draw(0, icon.Get());
      strip.AddTo(ImageList1);
    }
    ImageListBox1.SetItemIndex(0);
    return;
  }
  ImageListBox1.SetEnabled(true);
  // Entry i is icon i: an icon that cannot be read leaves its cell empty rather than moving the
  // ones after it, and a strip the list refuses ends the list there.
  const StoredIcons stored(file);
  const int perStrip = std::max(1, kStripPixels / cell);
  ui::UniqueIcon icon;
  for (int first = 0; first < count; first += perStrip) {
    const int inStrip = std::min(perStrip, count - first);
    IconStrip strip(inStrip, cell);
    for (int i = 0; i < inStrip; ++i) {
      icon = stored.Large(first + i, cell);
      strip.Draw(i, icon.Get());
    }
    if (!strip.AddTo(ImageList1))
      break;
  }
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
  Image1.SetIcon(StoredIcon(CheckedIconFile(IconFile()), index));
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
