// The target arriving by drop and by the browse dialog.
#include <gtest/gtest.h>

#include "Driver.h"
#include "TestTexts.h"
#include "app/ControlIds.h"
#include "base/WideText.h"

namespace velmora::e2e {
namespace {

// Waits for SetTarget to have run to its name proposal, which comes after every other step
// but the focus.
::testing::AssertionResult HasTarget(const App& run, const std::string& target,
                                     const std::string& name) {
  if (WaitUntil([&] { return run.Text(id::kEdit1) == target && run.Text(id::kEdit2) == name; },
                3000)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "Edit1 \"" << run.Text(id::kEdit1) << "\", Edit2 \"" << run.Text(id::kEdit2) << "\"";
}

TEST(Drop, FirstDroppedItemBecomesTheTargetAndEveryLaterDropReplacesIt) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  MakeFile(sandbox / "first.txt");
  MakeFile(sandbox / "second.doc");
  MakeFolder(sandbox / "Dropped Folder");
  App run(sandbox);
  ASSERT_NE(run.WaitForWindow(), nullptr);

  ASSERT_TRUE(run.Drop({sandbox / "first.txt", sandbox / "second.doc"}));
  EXPECT_TRUE(HasTarget(run, sandbox / "first.txt", "first"));
  EXPECT_TRUE(run.IsEnabled(id::kBitBtn1));
  EXPECT_EQ(sandbox.Setting("InitialDir"), sandbox.Folder());
  // The proposal is selected: what the user types replaces it.
  ASSERT_TRUE(WaitUntil([&] { return run.FocusId() == id::kEdit2; }, 3000)) << run.FocusId();
  PostMessageA(run.Focus(), WM_CHAR, 'x', 1);
  EXPECT_TRUE(WaitUntil([&] { return run.Text(id::kEdit2) == "x"; }, 3000)) << run.Text(id::kEdit2);

  // The same item again: the name typed since and the icon file chosen since are replaced.
  run.SetText(id::kEdit2, "typed by the user");
  run.SetText(id::kEdit4, sandbox / "icons.dll");
  ASSERT_TRUE(run.Drop({sandbox / "first.txt"}));
  EXPECT_TRUE(HasTarget(run, sandbox / "first.txt", "first"));
  EXPECT_EQ(run.Text(id::kEdit4), "");

  run.SetText(id::kEdit2, "typed by the user");
  ASSERT_TRUE(run.Drop({sandbox / "Dropped Folder"}));
  EXPECT_TRUE(HasTarget(run, sandbox / "Dropped Folder", "Dropped Folder"));
  EXPECT_TRUE(WaitUntil([&] { return run.FocusId() == id::kEdit2; }, 3000)) << run.FocusId();
  EXPECT_EQ(run.AnyBox(), nullptr);
  EXPECT_TRUE(run.Running());
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Drop, PathsOf259And300CharactersArriveWhole) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  // Folders of 20 characters until one more would pass the limit of a folder path, then a file
  // name that makes the path exactly 259 characters.
  std::string folder = sandbox.Folder();
  while (folder.size() + 21 < MAX_PATH - 12) {
    folder += "\\" + std::string(20, 'd');
    MakeFolder(folder);
  }
  ASSERT_TRUE(Exists(folder));
  App run(sandbox);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  // The 300-character file need not exist: a path is kept as it came from its first missing
  // part on.
  for (const std::size_t length : {std::size_t{259}, std::size_t{300}}) {
    SCOPED_TRACE(length);
    const std::string name = std::string(length - folder.size() - 1 - 4 - 1, 'n') + "Z";
    const std::string target = folder + "\\" + name + ".txt";
    ASSERT_EQ(target.size(), length);
    if (length < MAX_PATH) {
      MakeFile(target);
      ASSERT_TRUE(Exists(target));
    }
    ASSERT_TRUE(run.Drop({target}));
    EXPECT_TRUE(HasTarget(run, target, name));
    EXPECT_EQ(sandbox.Setting("InitialDir"), folder);
  }
  EXPECT_TRUE(run.CloseWindow());
}

TEST(Drop, NameTheCodePageCannotHoldIsRefusedWithAMessage) {
  Sandbox sandbox(kNoOffer);
  ASSERT_TRUE(sandbox.Ready());
  MakeFile(sandbox / "first.txt");
  App run(sandbox);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  ASSERT_TRUE(run.Drop({sandbox / "first.txt"}));
  ASSERT_TRUE(HasTarget(run, sandbox / "first.txt", "first"));

  const std::wstring folder = ToWide(sandbox.Folder()).value_or(L"");
  ASSERT_TRUE(run.Drop(std::vector<std::wstring>{folder + L"\\caf\u00e9.txt"}));
  EXPECT_EQ(run.AnswerErrorBox(), (sandbox / "caf?.txt") + test_text::kPathNotInCodePageReportTail);
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(run.Text(id::kEdit1), sandbox / "first.txt");
  EXPECT_TRUE(run.CloseWindow());
}

// A program whose settings remember a folder that holds one file.
class Browse : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox_.Ready());
    MakeFolder(remembered_);
    MakeFile(remembered_ + "\\only-here.txt");
    sandbox_.WriteSettings("[Window]\r\nStart=0\r\nInitialDir=" + remembered_ + "\r\n");
  }

  Sandbox sandbox_;
  const std::string remembered_ = sandbox_ / "Browse Here";
};

TEST_F(Browse, OpensAtTheRememberedFolderAndTakesTheChosenFileWhileCancelChangesNothing) {
  MakeFolder(sandbox_ / "Elsewhere");
  MakeFile(sandbox_ / "Elsewhere\\other.txt");
  LaunchOptions options;
  // Not the remembered folder: a bare name must be found through the dialog's initial folder.
  options.currentFolder = sandbox_ / "Elsewhere";
  App run(sandbox_, options);
  ASSERT_NE(run.WaitForWindow(), nullptr);

  run.Click(id::kButton1);
  HWND dialog = run.WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(App::ChooseFile(dialog, "only-here.txt"));
  EXPECT_TRUE(HasTarget(run, remembered_ + "\\only-here.txt", "only-here"));
  EXPECT_TRUE(run.IsEnabled(id::kBitBtn1));

  run.SetText(id::kEdit2, "kept");
  run.Click(id::kButton1);
  dialog = run.WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(App::CancelDialog(dialog));
  EXPECT_TRUE(run.StaysOpen(300));
  EXPECT_EQ(run.Text(id::kEdit1), remembered_ + "\\only-here.txt");
  EXPECT_EQ(run.Text(id::kEdit2), "kept");
  EXPECT_EQ(sandbox_.Setting("InitialDir"), remembered_);
  EXPECT_TRUE(run.CloseWindow());
}

TEST_F(Browse, OffersTheLastFilesNameOnlyAndOpensInTheRememberedFolder) {
  MakeFolder(sandbox_ / "Icons");
  const std::string library = sandbox_ / "Icons\\Hundred.dll";
  ASSERT_TRUE(CopyFileA(testing::FixturePath("Hundred.dll").c_str(), library.c_str(), FALSE));
  App run(sandbox_);
  ASSERT_NE(run.WaitForWindow(), nullptr);

  run.Click(id::kButton2);
  HWND dialog = run.WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(App::ChooseFile(dialog, library));
  ASSERT_TRUE(WaitUntil([&] { return run.Text(id::kEdit4) == library; }, 5000));

  // The icon library is not offered as the target: its name is, in the remembered folder, where
  // a bare name is found.
  run.Click(id::kButton1);
  dialog = run.WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(App::OfferedFileName(dialog), "Hundred.dll");
  ASSERT_TRUE(App::ChooseFile(dialog, "only-here.txt"));
  EXPECT_TRUE(HasTarget(run, remembered_ + "\\only-here.txt", "only-here"));

  // Where the folder and the name agree, one OK takes the file offered.
  run.Click(id::kButton2);
  dialog = run.WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(App::OfferedFileName(dialog), "only-here.txt");
  ASSERT_TRUE(App::Answer(dialog, IDOK));
  EXPECT_TRUE(
      WaitUntil([&] { return run.Text(id::kEdit4) == remembered_ + "\\only-here.txt"; }, 5000))
      << run.Text(id::kEdit4);
  EXPECT_TRUE(run.CloseWindow());
}

}  // namespace
}  // namespace velmora::e2e
