// The create command: confirm, then write the shortcut and close.
#include "app/Main.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "base/Texts.h"
#include "base/WideText.h"
#include "folders/DestinationFolder.h"
#include "shortcut/CreateRules.h"
#include "shortcut/ShortcutName.h"
#include "shortcut/ShortcutTexts.h"
#include "shortcut/ShortcutWriter.h"
#include "ui/ConfirmBox.h"

namespace velmora {

namespace {
// The writer's request for MakeShortcut's arguments, with the four values the writer takes from
// the window read now: destination, picker directory, icon file and icon index.
ShortcutRequest WindowShortcutRequest(const TForm1& form, const std::string& targetPath,
                                      const std::string& shortcutName, const std::string& arguments,
                                      int folderNumber, int showCommand, bool addSuffix) {
  ShortcutRequest request;
  request.targetPath = targetPath;
  request.shortcutName = shortcutName;
  request.arguments = arguments;
  request.folderNumber = folderNumber;
  request.showCommand = showCommand;
  request.addSuffix = addSuffix;
  request.destinationIndex = form.RadioGroup1.ItemIndex();
  request.pickerDirectory = PickerDestinationFolder(request.destinationIndex, form.Edit1.Text(),
                                                    form.DirectoryListBox1.Directory());
  request.iconFile = form.Edit4.Text();
  request.iconIndex = form.ImageListBox1.ItemIndex();
  return request;
}
}  // namespace

void TForm1::MakeShortcut(const std::string& targetPath, const std::string& shortcutName,
                          const std::string& arguments, int folderNumber, int showCommand,
                          bool addSuffix) {
  WriteShortcut(WindowShortcutRequest(*this, targetPath, shortcutName, arguments, folderNumber,
                                      showCommand, addSuffix));
}

void TForm1::BitBtn1Click() {
  const std::string target = Edit1.Text();
  const auto label =
      DestinationLabel(RadioGroup1.ItemIndex(), target, DirectoryListBox1.Directory());
  if (!label)
    return;
  // A target deleted since it was chosen would get a link to nothing. Only a definite "not
  // found" stops here: a drive or server that does not answer now may well answer later.
  if (IsMissing(target))
    throw Error(text::kIoError2);
  // A refused field keeps its text, selected, and gets the focus, ready to be corrected.
  const auto refuse = [this](ui::Edit& field, const std::string& message) {
    field.SelectAll();
    FocusControl(field);
    return Error(message);
  };
  // The fields are read as typed: a character the code page cannot hold would otherwise become a
  // look-alike or "?" in the link without a word.
  const auto typed = [&](ui::Edit& field, const char* fieldLabel) {
    std::optional<std::string> text = ToAnsi(field.WideText(), true);
    if (!text)
      throw refuse(field, FormatText(text::kFieldNotInCodePage, fieldLabel));
    return std::move(*text);
  };
  const bool addSuffix = !CheckBox1.Checked();
  // A name that is no plain file name would be written elsewhere or not at all: it is refused
  // before the question, with the name ready to be corrected.
  const std::string name = typed(Edit2, text::kLabel2);
  if (const NameProblem problem = FindNameProblem(name, addSuffix); problem != NameProblem::kNone)
    throw refuse(Edit2, NameProblemText(problem, name));
  const std::string parameters = typed(Edit3, text::kLabel3);
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
  const std::string arguments = LinkArguments(target, parameters);
  if (Edit4.Text().empty())
    Edit4.SetText(target);

  const ShortcutRequest request =
      WindowShortcutRequest(*this, target, name, arguments, *folderNumber, *showCommand, addSuffix);
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
