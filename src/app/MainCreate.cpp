// The create command: confirm, then write the shortcut and close.
#include "app/Confirmation.h"
#include "app/Main.h"
#include "app/MainTexts.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "base/Texts.h"
#include "base/WideText.h"
#include "folders/Destination.h"
#include "shortcut/CreateRules.h"
#include "shortcut/ShortcutName.h"
#include "shortcut/ShortcutTexts.h"
#include "shortcut/ShortcutWriter.h"

namespace velmora {

void TForm1::BitBtn1Click() {
  // Each control is read once: the question names what the writer then uses.
  const std::string target = Edit1.Text();
  const std::optional<Destination> destination =
      ResolveDestination(RadioGroup1.ItemIndex(), target, DirectoryListBox1.Directory());
  if (!destination)
    return;
  // A target deleted since it was chosen would get a link to nothing. Only a definite "not
  // found" stops here: a drive or server that does not answer now may well answer later.
  if (IsMissing(target))
    throw Error(text::kIoError2);
  // Nor may it get an icon that its file no longer holds.
  CheckIconList(CheckedIconFile(IconFile()));
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
  if (!AskConfirmation(Handle(), ConfirmationText(name, destination->label), kConfirmBox))
    return;

  SetText(ProductBanner());
  const auto showCommand = ShowCommandFor(ComboBox1.ItemIndex());
  // After a Yes the user expects a shortcut or a reason why there is none.
  if (!showCommand)
    throw Error(text::kNoWindowState);
  // Without an icon file of its own the link takes the target's icons, and the field says so.
  std::string iconFile = Edit4.Text();
  if (iconFile.empty()) {
    iconFile = target;
    Edit4.SetText(iconFile);
  }

  const ShortcutRequest request{.targetPath = target,
                                .shortcutName = name,
                                .arguments = LinkArguments(target, parameters),
                                .destination = *destination,
                                .showCommand = *showCommand,
                                .addSuffix = addSuffix,
                                .iconFile = iconFile,
                                .iconIndex = ImageListBox1.ItemIndex()};
  // The first question named the folder, not the file that is already there.
  const std::string fileName = ShortcutFileName(request);
  if (IsExistingFile(fileName) &&
      !AskConfirmation(Handle(), FormatText(text::kReplaceQuestion, FileNameOf(fileName)),
                       kConfirmBox, DefaultAnswer::kNo)) {
    SetText(text::kAppTitle);
    return;
  }
  WriteShortcut(request);
  Close();
}

}  // namespace velmora
