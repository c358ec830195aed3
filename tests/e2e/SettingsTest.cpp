// The settings file across runs: restoring and saving the window's choices, the first-start
// offer, and a settings file that cannot be written.
#include <shlobj.h>

#include <gtest/gtest.h>

#include "Driver.h"
#include "TestTexts.h"
#include "LiblnkReader.h"
#include "LinkFileReader.h"
#include "app/ControlIds.h"
#include "base/ComApartment.h"
#include "base/ErrorText.h"

namespace velmora::e2e {
namespace {

// The destination item that is checked, -1 for none.
int CheckedDestination(const App& run) {
  int checked = -1;
  for (int item = 0; item < 6; ++item) {
    if (run.IsChecked(id::kRadioItem0 + item)) {
      if (checked != -1) {
        return -2;  // two at once
      }
      checked = item;
    }
  }
  return checked;
}

// The three choices that closing saves, as they stand in the file.
void ExpectSaved(const Sandbox& sandbox, const char* itemIndex, const char* strFlag,
                 const char* windowState) {
  EXPECT_EQ(sandbox.Setting("ItemIndex"), itemIndex);
  EXPECT_EQ(sandbox.Setting("StrFlag"), strFlag);
  EXPECT_EQ(sandbox.Setting("WindowState"), windowState);
}

TEST(Settings, OutOfRangeAndOddValuesAreRestoredAsTheirNearestMeaningAndSavedBack) {
  Sandbox sandbox("[Window]\r\nStart=0\r\nItemIndex=9\r\nStrFlag=yes\r\nWindowState=3\r\n");
  ASSERT_TRUE(sandbox.Ready());
  {
    App run(sandbox);
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(CheckedDestination(run), 5);
    EXPECT_TRUE(run.IsEnabled(id::kGroupBox2));
    EXPECT_TRUE(run.IsChecked(id::kCheckBox1));
    EXPECT_EQ(run.ComboSelection(id::kComboBox1), -1);
    EXPECT_TRUE(run.CloseWindow());
  }
  ExpectSaved(sandbox, "5", "1", "-1");

  sandbox.WriteSettings("[Window]\r\nStart=0\r\nItemIndex=-7\r\nStrFlag=0\r\nWindowState=2\r\n");
  {
    App run(sandbox);
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(CheckedDestination(run), -1);
    EXPECT_FALSE(run.IsEnabled(id::kGroupBox2));
    EXPECT_FALSE(run.IsChecked(id::kCheckBox1));
    EXPECT_EQ(run.ComboSelection(id::kComboBox1), 2);
    EXPECT_TRUE(run.CloseWindow());
  }
  ExpectSaved(sandbox, "-1", "0", "2");
}

TEST(Settings, HexadecimalDestinationsSelectTheirItem) {
  for (const char* value : {"0x5", "$5"}) {
    SCOPED_TRACE(value);
    Sandbox sandbox;
    ASSERT_TRUE(sandbox.Ready());
    sandbox.WriteSettings(std::string("[Window]\r\nStart=0\r\nItemIndex=") + value +
                          "\r\nStrFlag=2\r\n");
    App run(sandbox);
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(CheckedDestination(run), 5);
    EXPECT_TRUE(run.IsEnabled(id::kGroupBox2));
    EXPECT_TRUE(run.IsChecked(id::kCheckBox1));
    EXPECT_TRUE(run.CloseWindow());
    EXPECT_EQ(sandbox.Setting("ItemIndex"), "5");
  }
}

TEST(FirstStart, DeclinedOfferComesBeforeTheWindowWritesNoLinkAndIsNotMadeAgain) {
  const std::string sendTo = SpecialFolder(CSIDL_SENDTO);
  ASSERT_FALSE(sendTo.empty());
  const FileCleanup link(sendTo + "\\" + test_text::kSendToLink);
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  {
    App run(sandbox);
    const HWND offer = run.WaitForConfirmBox();
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(App::BoxText(offer), test_text::kSendToOffer);
    EXPECT_EQ(run.VisibleWindow(), nullptr);
    ASSERT_TRUE(App::Answer(offer, IDNO));
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(sandbox.Setting("Start"), "0");
    EXPECT_FALSE(sandbox.Setting("ItemIndex").has_value());
    EXPECT_FALSE(Exists(link.Path()));
    EXPECT_TRUE(run.CloseWindow());
  }
  EXPECT_EQ(sandbox.Setting("Start"), "0");
  ExpectSaved(sandbox, "0", "1", "0");
  {
    App run(sandbox);
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(run.AnyBox(), nullptr);
    EXPECT_TRUE(run.CloseWindow());
  }
  EXPECT_FALSE(Exists(link.Path()));
}

TEST(FirstStart, AcceptedOfferPutsALinkToTheProgramIntoSendTo) {
  const velmora::ComApartment com;
  const std::string sendTo = SpecialFolder(CSIDL_SENDTO);
  ASSERT_FALSE(sendTo.empty());
  const FileCleanup link(sendTo + "\\" + test_text::kSendToLink);
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  MakeFile(sandbox / "target.txt");
  {
    // A command-line target is taken only once the window shows, after the offer.
    App run(sandbox, sandbox / "target.txt");
    const HWND offer = run.WaitForConfirmBox();
    ASSERT_NE(offer, nullptr);
    ASSERT_TRUE(App::Answer(offer, IDYES));
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(run.AnyBox(), nullptr);
    EXPECT_EQ(sandbox.Setting("Start"), "0");
    EXPECT_TRUE(run.CloseWindow());
  }
  ASSERT_TRUE(Exists(link.Path()));

  const test::LinkFile bytes = test::ReadLinkFile(link.Path());
  EXPECT_EQ(bytes.showCommand, 0u);
  EXPECT_EQ(bytes.workingDirectory.value_or(""), sandbox.Folder() + "\\");
  EXPECT_EQ(bytes.arguments.value_or(""), "");
  EXPECT_EQ(bytes.iconLocation.value_or(""), "");
  EXPECT_EQ(bytes.iconIndex, 0);

  const test::ShellLinkFields shell = test::ReadThroughShell(link.Path());
  EXPECT_EQ(shell.path, sandbox.Executable());
  EXPECT_EQ(shell.workingDirectory, sandbox.Folder() + "\\");
  EXPECT_EQ(shell.arguments, "");
  EXPECT_EQ(shell.iconLocation, "");
  EXPECT_EQ(shell.iconIndex, 0);
  test::ExpectLiblnkReadsAlike(link.Path());
}

// The offer stays due until the link is made or not wanted: it comes again after a failed link.
TEST(FirstStart, SendToLinkThatCannotBeSavedIsReportedAndOfferedAgainAndTheChoicesAreKept) {
  const std::string sendTo = SpecialFolder(CSIDL_SENDTO);
  ASSERT_FALSE(sendTo.empty());
  // A folder of the link's name: the save cannot replace it.
  const FileCleanup blocker(sendTo + "\\" + test_text::kSendToLink);
  MakeFolder(blocker.Path());
  Sandbox sandbox("[Window]\r\nItemIndex=4\r\nStrFlag=0\r\nWindowState=2\r\n");
  ASSERT_TRUE(sandbox.Ready());
  {
    App run(sandbox);
    const HWND offer = run.WaitForConfirmBox();
    ASSERT_NE(offer, nullptr);
    ASSERT_TRUE(App::Answer(offer, IDYES));
    EXPECT_EQ(run.AnswerErrorBox(), blocker.Path() + test_text::kAccessDeniedReportTail);
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_EQ(run.AnyBox(), nullptr);
    EXPECT_FALSE(sandbox.Setting("Start").has_value());
    EXPECT_EQ(CheckedDestination(run), 4);
    EXPECT_FALSE(run.IsChecked(id::kCheckBox1));
    EXPECT_EQ(run.ComboSelection(id::kComboBox1), 2);
    EXPECT_TRUE(run.CloseWindow());
  }
  ExpectSaved(sandbox, "4", "0", "2");
  App run(sandbox);
  const HWND offer = run.WaitForConfirmBox();
  ASSERT_NE(offer, nullptr);
  ASSERT_TRUE(App::Answer(offer, IDNO));
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(sandbox.Setting("Start"), "0");
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Settings, EndOfTheSessionSavesTheChoicesAsClosingDoesAndATypedWindowStateCounts) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  App run(sandbox);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  run.Click(id::kRadioItem0 + 2);
  ASSERT_TRUE(WaitUntil([&] { return CheckedDestination(run) == 2; }, 3000));
  // Typed into the box's field, as the user may, rather than chosen from its list.
  run.SetText(id::kComboBox1, test_text::kMaximised);

  const auto send = [&](UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutA(run.Window(), message, wParam, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 5000, &result));
    return result;
  };
  EXPECT_EQ(send(WM_QUERYENDSESSION, 0), static_cast<DWORD_PTR>(TRUE));
  EXPECT_FALSE(sandbox.Setting("ItemIndex").has_value());
  send(WM_ENDSESSION, TRUE);
  ExpectSaved(sandbox, "2", "1", "2");
}

TEST(UnwritableSettings, EveryWriteIsReportedOnceAndNeitherTargetNorClosingIsStopped) {
  Sandbox sandbox;
  ASSERT_TRUE(sandbox.Ready());
  // A folder where the file should be: the profile functions can read nothing from it and write
  // nothing to it.
  MakeFolder(sandbox.SettingsPath());
  MakeFile(sandbox / "target.txt");
  const std::string report = ReportText(sandbox.SettingsPath() + test_text::kCannotWriteBecause +
                                        ReportedReason(ERROR_ACCESS_DENIED));
  App run(sandbox, sandbox / "target.txt");

  // Nothing can be read, so the offer comes again; its "Start" write then fails.
  const HWND offer = run.WaitForConfirmBox();
  ASSERT_NE(offer, nullptr);
  ASSERT_TRUE(App::Answer(offer, IDNO));
  EXPECT_EQ(run.AnswerErrorBox(), report);

  // The target's folder cannot be remembered either; the target is taken all the same.
  EXPECT_EQ(run.AnswerErrorBox(), report);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_EQ(run.Text(id::kEdit1), sandbox / "target.txt");
  EXPECT_EQ(run.Text(id::kEdit2), "target");
  EXPECT_EQ(run.Text(id::kEdit4), "");
  EXPECT_TRUE(WaitUntil([&] { return run.FocusId() == id::kEdit2; }, 3000)) << run.FocusId();

  // A later target too replaces the name and the icon file despite the report.
  MakeFile(sandbox / "later.txt");
  run.SetText(id::kEdit2, "typed by the user");
  run.SetText(id::kEdit4, sandbox / "icons.dll");
  ASSERT_TRUE(run.Drop({sandbox / "later.txt"}));
  EXPECT_EQ(run.AnswerErrorBox(), report);
  EXPECT_TRUE(WaitUntil([&] { return run.Text(id::kEdit2) == "later"; }, 3000))
      << run.Text(id::kEdit2);
  EXPECT_EQ(run.Text(id::kEdit1), sandbox / "later.txt");
  EXPECT_EQ(run.Text(id::kEdit4), "");
  EXPECT_TRUE(WaitUntil([&] { return run.FocusId() == id::kEdit2; }, 3000)) << run.FocusId();

  run.Click(id::kBitBtn2);
  EXPECT_EQ(run.AnswerErrorBox(), report);
  EXPECT_TRUE(run.WaitForExit());
}

}  // namespace
}  // namespace velmora::e2e
