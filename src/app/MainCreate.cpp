// The create command: the window's values read and checked into a request, confirmed, then the
// shortcut made and the window closed.
#include "app/Confirmation.h"
#include "app/Main.h"
#include "app/MainTexts.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "base/WideText.h"
#include "folders/FolderTexts.h"
#include "shortcut/CreateRules.h"
#include "shortcut/ShortcutName.h"
#include "shortcut/ShortcutTexts.h"
#include "shortcut/ShortcutWriter.h"

namespace velmora {

void TForm1::BitBtn1Click() {
  std::optional<ShortcutRequest> request = ReadShortcutRequest();
  if (!request)
    return;
  MessageBeep(MB_ICONEXCLAMATION);
  if (!AskConfirmation(Handle(),
                       ConfirmationText(request->shortcutName, request->destination.label),
                       kConfirmBox)) {
    return;
  }

  SetText(ProductBanner());
  const auto showCommand = ShowCommandFor(ComboBox1.ItemIndex());
  // After a Yes the user expects a shortcut or a reason why there is none.
  if (!showCommand)
    throw Error(text::kNoWindowState);
  request->showCommand = *showCommand;
  // Without an icon file of its own the link takes the target's icons, and the field says so.
  request->iconFile = Edit4.Text();
  if (request->iconFile.empty()) {
    request->iconFile = request->targetPath;
    Edit4.SetText(request->iconFile);
  }
  request->iconIndex = ImageListBox1.ItemIndex();

  if (!MakeShortcut(*request)) {
    SetText(Caption());
    return;
  }
  // The next target of a batch is served in the same window; after the last one the window
  // closes.
  if (!TakeNextTarget())
    Close();
}

std::optional<ShortcutRequest> TForm1::ReadShortcutRequest() {
  // Each control is read once: the question names what the writer then uses.
  const std::string target = Edit1.Text();
  std::optional<Destination> destination =
      ResolveDestination(RadioGroup1.ItemIndex(), target, DirectoryListBox1.Directory());
  if (!destination)
    return std::nullopt;
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
  std::string name = typed(Edit2, text::kLabel2);
  if (const NameProblem problem = FindNameProblem(name, addSuffix); problem != NameProblem::kNone)
    throw refuse(Edit2, NameProblemText(problem, name));
  const std::string parameters = typed(Edit3, text::kLabel3);
  return ShortcutRequest{.targetPath = target,
                         .shortcutName = std::move(name),
                         .arguments = LinkArguments(target, parameters, PathExists),
                         .destination = std::move(*destination),
                         .showCommand = 0,  // the rest is read after the question
                         .addSuffix = addSuffix,
                         .iconFile = {},
                         .iconIndex = 0};
}

bool TForm1::MakeShortcut(const ShortcutRequest& request) {
  // The first question named the folder, not the file that is already there.
  const std::string fileName = ShortcutFileName(request);
  if (IsExistingFile(fileName) &&
      !AskConfirmation(Handle(), FormatText(text::kReplaceQuestion, FileNameOf(fileName)),
                       kConfirmBox, DefaultAnswer::kNo)) {
    return false;
  }
  WriteShortcut(request);
  return true;
}

}  // namespace velmora
