// The create command: confirm, then write the shortcut and close.
#include "app/Main.h"
#include "base/Texts.h"
#include "shortcut/CreateRules.h"
#include "ui/ConfirmBox.h"
#include "base/Error.h"

namespace velmora {

void TForm1::BitBtn1Click() {
  const auto label =
      DestinationLabel(RadioGroup1.ItemIndex(), Edit1.Text(), DirectoryListBox1.Directory());
  if (!label)
    return;
  MessageBeep(MB_ICONEXCLAMATION);
  if (!AskConfirmation(Handle(), ConfirmationText(Edit2.Text(), *label)))
    return;

  SetText(ProductBanner());
  const auto folderNumber = FolderNumberFor(RadioGroup1.ItemIndex());
  if (!folderNumber)
    return;
  const auto showCommand = ShowCommandFor(ComboBox1.ItemIndex());
  // After a Yes the user expects a shortcut or a reason why there is none.
  if (!showCommand)
    throw Error(text::kNoWindowState);
  const bool addSuffix = !CheckBox1.Checked();
  const std::string arguments = LinkArguments(Edit1.Text(), Edit3.Text());
  if (Edit4.Text().empty())
    Edit4.SetText(Edit1.Text());

  MakeShortcut(Edit1.Text(), Edit2.Text(), arguments, *folderNumber, *showCommand, addSuffix);
  Close();
}

}  // namespace velmora
