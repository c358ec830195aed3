// The create command: confirm, then write the shortcut and close.
#include "app/Main.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "base/Texts.h"
#include "shortcut/CreateRules.h"
#include "shortcut/MakeShortcut.h"
#include "shortcut/ShortcutName.h"
#include "shortcut/ShortcutTexts.h"
#include "ui/ConfirmBox.h"

namespace velmora {

void TForm1::BitBtn1Click() {
  const auto label =
      DestinationLabel(RadioGroup1.ItemIndex(), Edit1.Text(), DirectoryListBox1.Directory());
  if (!label)
    return;
  const bool addSuffix = !CheckBox1.Checked();
  // A name that is no plain file name would be written elsewhere or not at all: it is refused
  // before the question, with the name ready to be corrected.
  const std::string name = Edit2.Text();
  if (const NameProblem problem = FindNameProblem(name, addSuffix); problem != NameProblem::kNone) {
    Edit2.SelectAll();
    FocusControl(Edit2);
    throw Error(NameProblemText(problem, name));
  }
  MessageBeep(MB_ICONEXCLAMATION);
  if (!AskConfirmation(Handle(), ConfirmationText(name, *label)))
    return;

  SetText(ProductBanner());
  const auto folderNumber = FolderNumberFor(RadioGroup1.ItemIndex());
  if (!folderNumber)
    return;
  const auto showCommand = ShowCommandFor(ComboBox1.ItemIndex());
  // After a Yes the user expects a shortcut or a reason why there is none.
  if (!showCommand)
    throw Error(text::kNoWindowState);
  const std::string arguments = LinkArguments(Edit1.Text(), Edit3.Text());
  if (Edit4.Text().empty())
    Edit4.SetText(Edit1.Text());

  const ShortcutRequest request = WindowShortcutRequest(*this, Edit1.Text(), name, arguments,
                                                        *folderNumber, *showCommand, addSuffix);
  // The first question named the folder, not the file that is already there.
  const std::string fileName = ShortcutFileName(request);
  if (IsExistingFile(fileName) &&
      !AskConfirmation(Handle(), FormatText(text::kReplaceQuestion, FileNameOf(fileName)),
                       DefaultAnswer::kNo)) {
    SetText(text::kAppTitle);
    return;
  }
  WriteShortcut(request);
  Close();
}

}  // namespace velmora
