// The create command end to end: the question, the link it writes, and the failures that keep
// the window open.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <thread>

#include "Driver.h"
#include "TestTexts.h"
#include "LiblnkReader.h"
#include "LinkFileReader.h"
#include "app/ControlIds.h"
#include "base/ComApartment.h"
#include "base/KernelHandles.h"

namespace velmora::e2e {
namespace {

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// Without the suffix is the default, left to the program.
std::string Settings(int destination, int windowState, bool noSuffix) {
  return "[Window]\r\nStart=0\r\nItemIndex=" + std::to_string(destination) +
         (noSuffix ? "" : "\r\nStrFlag=0") + "\r\nWindowState=" + std::to_string(windowState) +
         "\r\n";
}

std::string Question(const std::string& name, const std::string& label) {
  return "\"" + name + "\"" + test_text::kConfirmBeforeLabel + label +
         test_text::kConfirmAfterLabel;
}

// Starts the program on a target and asks for the shortcut with Enter in the name field, as a
// user does right after the start; the question box that comes up.
HWND AskWithEnter(App& run) {
  if (run.WaitForWindow() == nullptr ||
      !WaitUntil([&] { return run.FocusId() == id::kEdit2; }, 3000)) {
    return nullptr;
  }
  run.PressKey(VK_RETURN);
  return run.WaitForConfirmBox();
}

// Presses the create button and expects the report, no question, and the field that was at
// fault ready to be corrected.
void ExpectRefusedBeforeTheQuestion(const App& run, int field, const std::string& report) {
  run.Click(id::kBitBtn1);
  EXPECT_EQ(run.AnswerErrorBox(), report);
  EXPECT_TRUE(run.StaysOpen(300));
  EXPECT_EQ(run.AnyBox(), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return run.FocusId() == field; }, 3000)) << run.FocusId();
}

class CreateCommand : public ::testing::Test {
 protected:
  CreateCommand()
      : desktop_(SpecialFolder(CSIDL_DESKTOPDIRECTORY)),
        desktopLink_(desktop_ + "\\" + test_text::kNotepadLink),
        suffixedDesktopLink_(desktop_ + "\\" + test_text::kNotepadSuffixedLink),
        target_(sandbox_ / test_text::kNotepadFile) {}

  void SetUp() override {
    ASSERT_FALSE(desktop_.empty());
    ASSERT_TRUE(sandbox_.Ready());
    MakeFile(target_, "text");
  }

  const velmora::ComApartment com_;
  Sandbox sandbox_;
  const std::string desktop_;
  const FileCleanup desktopLink_;
  const FileCleanup suffixedDesktopLink_;
  const std::string target_;
};

TEST_F(CreateCommand, EnterAndYesWriteTheLinkOnTheDesktopAndEndTheProgram) {
  sandbox_.WriteSettings(Settings(0, 0, true));
  App run(sandbox_, Quoted(target_));
  const HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(App::BoxText(box), test_text::kConfirmNotepadOnDesktop);
  EXPECT_FALSE(Exists(desktopLink_.Path()));
  ASSERT_TRUE(WaitUntil([&] { return run.FocusId() == IDYES; }, 3000)) << run.FocusId();
  run.PressKey(VK_RETURN);
  ASSERT_TRUE(run.WaitForExit());

  ASSERT_TRUE(Exists(desktopLink_.Path()));
  EXPECT_FALSE(Exists(suffixedDesktopLink_.Path()));
  EXPECT_EQ(sandbox_.Setting("ItemIndex"), "0");
  EXPECT_EQ(sandbox_.Setting("StrFlag"), "1");
  EXPECT_EQ(sandbox_.Setting("WindowState"), "0");

  const test::LinkFile bytes = test::ReadLinkFile(desktopLink_.Path());
  EXPECT_EQ(bytes.showCommand, static_cast<std::uint32_t>(SW_SHOWDEFAULT));
  EXPECT_EQ(bytes.workingDirectory.value_or(""), sandbox_.Folder() + "\\");
  EXPECT_EQ(bytes.arguments.value_or(""), "");
  EXPECT_EQ(bytes.iconLocation.value_or(""), target_);
  // A text file has no icons of its own: the list's one entry, the shell's icon, is selected.
  EXPECT_EQ(bytes.iconIndex, 0);

  const test::ShellLinkFields shell = test::ReadThroughShell(desktopLink_.Path());
  EXPECT_EQ(shell.path, target_);
  EXPECT_EQ(shell.workingDirectory, sandbox_.Folder() + "\\");
  EXPECT_EQ(shell.arguments, "");
  EXPECT_EQ(shell.iconLocation, target_);
  EXPECT_EQ(shell.iconIndex, 0);
  test::ExpectLiblnkReadsAlike(desktopLink_.Path());
}

TEST_F(CreateCommand, UncheckedBoxAddsTheShortcutEndingAndTheWindowStateSetsTheShowCommand) {
  sandbox_.WriteSettings(Settings(0, 1, false));
  App run(sandbox_, Quoted(target_));
  const HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  ASSERT_TRUE(run.WaitForExit());

  ASSERT_TRUE(Exists(suffixedDesktopLink_.Path()));
  EXPECT_FALSE(Exists(desktopLink_.Path()));
  EXPECT_EQ(sandbox_.Setting("StrFlag"), "0");
  EXPECT_EQ(sandbox_.Setting("WindowState"), "1");
  const test::LinkFile bytes = test::ReadLinkFile(suffixedDesktopLink_.Path());
  EXPECT_EQ(bytes.showCommand, static_cast<std::uint32_t>(SW_SHOWMINNOACTIVE));
  EXPECT_EQ(test::ReadThroughShell(suffixedDesktopLink_.Path()).path, target_);
  test::ExpectLiblnkReadsAlike(suffixedDesktopLink_.Path());
}

TEST_F(CreateCommand, NoOrEscapeWritesNothingAndKeepsTheWindowOpen) {
  sandbox_.WriteSettings(Settings(0, 0, true));
  App run(sandbox_, Quoted(target_));
  HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDNO));
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(App::TextOf(run.Window()), "Velmora");

  run.Click(id::kBitBtn1);
  box = run.WaitForConfirmBox();
  ASSERT_NE(box, nullptr);
  run.PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kBoxTimeoutMs));
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_FALSE(Exists(desktopLink_.Path()));
  EXPECT_EQ(run.Text(id::kEdit1), target_);
  EXPECT_TRUE(run.CloseWindow());
  EXPECT_FALSE(Exists(desktopLink_.Path()));
}

TEST_F(CreateCommand, SameDirectoryWritesNextToTheTarget) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  const FileCleanup besideTarget(sandbox_ / test_text::kNotepadLink);
  App run(sandbox_, Quoted(target_));
  const HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(App::BoxText(box), Question(test_text::kNotepad, sandbox_.Folder()));
  ASSERT_TRUE(App::Answer(box, IDYES));
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_TRUE(Exists(besideTarget.Path()));
  EXPECT_FALSE(Exists(desktopLink_.Path()));
  EXPECT_EQ(sandbox_.Setting("ItemIndex"), "4");
  EXPECT_EQ(test::ReadThroughShell(besideTarget.Path()).path, target_);
  test::ExpectLiblnkReadsAlike(besideTarget.Path());
}

TEST_F(CreateCommand, ParametersAreStoredAsTypedButOneExistingPathWithABlankIsQuoted) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  const std::string blankTarget = sandbox_ / "My Tool.exe";
  MakeFile(blankTarget);
  {
    App run(sandbox_, Quoted(blankTarget));
    ASSERT_NE(run.WaitForWindow(), nullptr);
    run.SetText(id::kEdit3, "-a -b");
    const HWND box = AskWithEnter(run);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(App::Answer(box, IDYES));
    ASSERT_TRUE(run.WaitForExit());
  }
  const test::ShellLinkFields typed = test::ReadThroughShell(sandbox_ / "My Tool.lnk");
  EXPECT_EQ(typed.path, blankTarget);
  EXPECT_EQ(typed.arguments, "-a -b");
  EXPECT_EQ(test::ReadLinkFile(sandbox_ / "My Tool.lnk").arguments.value_or(""), "-a -b");
  test::ExpectLiblnkReadsAlike(sandbox_ / "My Tool.lnk");

  {
    App run(sandbox_, Quoted(target_));
    ASSERT_NE(run.WaitForWindow(), nullptr);
    run.SetText(id::kEdit3, blankTarget);
    const HWND box = AskWithEnter(run);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(App::Answer(box, IDYES));
    ASSERT_TRUE(run.WaitForExit());
  }
  EXPECT_EQ(test::ReadThroughShell(sandbox_ / test_text::kNotepadLink).arguments,
            Quoted(blankTarget));
  test::ExpectLiblnkReadsAlike(sandbox_ / test_text::kNotepadLink);
}

TEST_F(CreateCommand, MissingWindowStateIsReportedAndNothingIsWritten) {
  sandbox_.WriteSettings(Settings(0, 3, true));
  App run(sandbox_, Quoted(target_));
  const HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  EXPECT_EQ(run.AnswerErrorBox(), test_text::kNoWindowStateReport);
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_FALSE(Exists(desktopLink_.Path()));
  ASSERT_TRUE(run.CloseWindow());
  EXPECT_FALSE(Exists(desktopLink_.Path()));
  EXPECT_EQ(sandbox_.Setting("WindowState"), "-1");
}

TEST_F(CreateCommand, NamesThatAreNoPlainFileNameAreRefusedBeforeTheQuestion) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  const std::vector<std::string> before = FolderEntries(sandbox_.Folder());
  App run(sandbox_, Quoted(target_));
  ASSERT_NE(run.WaitForWindow(), nullptr);
  const struct {
    const char* name;
    std::string report;
  } cases[] = {
      {"..\\escaped", test_text::kNameForbiddenReport},
      {"x:y", test_text::kNameForbiddenReport},
      {"", test_text::kNameEmptyReport},
      {"memo.", test_text::kNameEndsInDotOrBlankReport},
      {"com1.txt", std::string("com1.txt") + test_text::kNameIsDeviceReportTail},
      {"CONOUT$", std::string("CONOUT$") + test_text::kNameIsDeviceReportTail},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    run.SetText(id::kEdit2, c.name);
    ExpectRefusedBeforeTheQuestion(run, id::kEdit2, c.report);
    EXPECT_EQ(run.Text(id::kEdit2), c.name);
  }
  EXPECT_TRUE(run.CloseWindow());
  EXPECT_EQ(FolderEntries(sandbox_.Folder()), before);
  EXPECT_FALSE(Exists(TempFolder() + "\\escaped.lnk"));
}

TEST_F(CreateCommand, AnExistingLinkIsReplacedOnlyAfterASecondYesAndOnceItsHolderLetsGo) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  const std::string link = sandbox_ / test_text::kNotepadLink;
  MakeFile(link, "kept");
  App run(sandbox_, Quoted(target_));
  HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  HWND replace = run.WaitForConfirmBox();
  ASSERT_NE(replace, nullptr);
  EXPECT_EQ(App::BoxText(replace),
            std::string(test_text::kNotepadLink) + test_text::kReplaceQuestionTail);
  // No is the default: Enter keeps the file.
  ASSERT_TRUE(WaitUntil([&] { return run.FocusId() == IDNO; }, 3000)) << run.FocusId();
  run.PressKey(VK_RETURN);
  ASSERT_TRUE(
      WaitUntil([&] { return !IsWindow(replace) || !IsWindowVisible(replace); }, kBoxTimeoutMs));
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(ReadWholeFile(link), "kept");
  EXPECT_EQ(App::TextOf(run.Window()), "Velmora");

  run.Click(id::kBitBtn1);
  box = run.WaitForConfirmBox();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  replace = run.WaitForConfirmBox();
  ASSERT_NE(replace, nullptr);
  // Another program holds the link for a moment.
  UniqueFile held(CreateFileA(link.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  const std::jthread holder([&] {
    Sleep(700);
    held.Reset();
  });
  ASSERT_TRUE(App::Answer(replace, IDYES));
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(test::ReadThroughShell(link).path, target_);
  test::ExpectLiblnkReadsAlike(link);
  // The program, its settings, the target and the link: no file that held the link's bytes.
  EXPECT_EQ(FolderEntries(sandbox_.Folder()).size(), 4u);
}

TEST_F(CreateCommand, AFolderOfTheLinksNameMakesTheSaveFailAndIsReported) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  const std::string link = sandbox_ / test_text::kNotepadLink;
  MakeFolder(link);
  App run(sandbox_, Quoted(target_));
  const HWND box = AskWithEnter(run);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  EXPECT_EQ(run.AnswerErrorBox(), link + test_text::kAccessDeniedReportTail);
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_TRUE(run.CloseWindow());
}

TEST_F(CreateCommand, DriveRootTargetStaysARootAndTheLinkPointsAtTheDrive) {
  sandbox_.WriteSettings(Settings(0, 0, true));
  const std::string name = "VelmoraDriveRoot" + std::to_string(GetCurrentProcessId());
  const FileCleanup link(desktop_ + "\\" + name + ".lnk");
  App run(sandbox_, "C:\\");
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(run.Text(id::kEdit1), "C:\\");
  run.SetText(id::kEdit2, name);
  run.Click(id::kBitBtn1);
  const HWND box = run.WaitForConfirmBox();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(App::Answer(box, IDYES));
  ASSERT_TRUE(run.WaitForExit());
  const test::ShellLinkFields shell = test::ReadThroughShell(link.Path());
  EXPECT_EQ(shell.path, "C:\\");
  EXPECT_EQ(shell.workingDirectory, "C:\\");
  test::ExpectLiblnkReadsAlike(link.Path());
}

TEST_F(CreateCommand, TextTheCodePageCannotHoldIsRefusedWithItsFieldsMessageAndNothingIsWritten) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  const std::vector<std::string> before = FolderEntries(sandbox_.Folder());
  App run(sandbox_, Quoted(target_));
  ASSERT_NE(run.WaitForWindow(), nullptr);
  const struct {
    int field;
    std::wstring text;
    bool typed;
    const char* report;
  } cases[] = {
      {id::kEdit2, L"caf\u00E9", false, test_text::kNameNotInCodePageReport},
      {id::kEdit2, L"\uD55C\uAE00", false, test_text::kNameNotInCodePageReport},  // Hangul
      {id::kEdit2, L"\U0001F600", false, test_text::kNameNotInCodePageReport},    // an emoji
      {id::kEdit3, L"caf\u00E9 \u00FC", false, test_text::kParametersNotInCodePageReport},
      {id::kEdit3, L"\u00E9", true, test_text::kParametersNotInCodePageReport},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    run.SetText(id::kEdit2, "memo");
    run.SetText(id::kEdit3, "");
    if (c.typed) {
      run.Type(c.field, c.text);
    } else {
      ASSERT_TRUE(run.Paste(c.field, c.text));
    }
    // The field holds the text as it came, not the code page's look-alike.
    ASSERT_TRUE(WaitUntil([&] { return App::WideTextOf(run.Control(c.field)) == c.text; }, 3000));
    ExpectRefusedBeforeTheQuestion(run, c.field, c.report);
  }
  EXPECT_TRUE(run.CloseWindow());
  EXPECT_EQ(FolderEntries(sandbox_.Folder()), before);
}

TEST_F(CreateCommand, ATargetDeletedAfterItWasChosenIsReportedBeforeTheQuestion) {
  sandbox_.WriteSettings(Settings(4, 0, true));
  App run(sandbox_, Quoted(target_));
  ASSERT_NE(run.WaitForWindow(), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return run.Text(id::kEdit1) == target_; }, 3000));
  ASSERT_TRUE(DeleteFileA(target_.c_str()));
  const std::vector<std::string> before = FolderEntries(sandbox_.Folder());
  run.Click(id::kBitBtn1);
  EXPECT_EQ(run.AnswerErrorBox(), std::string(test_text::kIoFileNotFound) + ".");
  EXPECT_TRUE(run.StaysOpen(300));
  EXPECT_EQ(run.AnyBox(), nullptr);
  EXPECT_TRUE(run.CloseWindow());
  EXPECT_EQ(FolderEntries(sandbox_.Folder()), before);
}

}  // namespace
}  // namespace velmora::e2e
