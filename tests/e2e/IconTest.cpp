// The icon the user picks in the list, from the target or from an icon file, is the one the
// link carries; the list keeps its rows whatever was loaded before.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Driver.h"
#include "LiblnkReader.h"
#include "LinkFileReader.h"
#include "app/ControlIds.h"
#include "base/ComApartment.h"

namespace velmora::e2e {
namespace {

class IconChoice : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sandbox_.Ready()); }

  // Waits for the list to hold `count` entries, then picks entry `index` with the mouse and asks
  // for the shortcut with Enter there; true once the question was answered Yes and the program
  // has ended.
  bool PickAndCreate(App& run, int count, int index) {
    if (!WaitUntil([&] { return run.ListCount(id::kImageListBox1) == count; }, 5000))
      return false;
    EXPECT_TRUE(run.IsEnabled(id::kImageListBox1));
    EXPECT_EQ(run.ListSelection(id::kImageListBox1), 0);
    run.ClickListItem(id::kImageListBox1, index);
    if (!WaitUntil([&] { return run.FocusId() == id::kImageListBox1; }, 3000))
      return false;
    EXPECT_EQ(run.ListSelection(id::kImageListBox1), index);
    run.PressKey(VK_RETURN);
    const HWND box = run.WaitForConfirmBox();
    return box != nullptr && App::Answer(box, IDYES) && run.WaitForExit();
  }

  const velmora::ComApartment com_;
  Sandbox sandbox_;
  const std::string desktop_ = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
};

TEST_F(IconChoice, IconClickedInTheTargetsListGoesIntoTheLink) {
  sandbox_.WriteSettings(kNoOffer);
  const std::string target = sandbox_ / "Three.EXE";
  ASSERT_TRUE(CopyFileA(testing::FixturePath("Three.EXE").c_str(), target.c_str(), FALSE));
  const FileCleanup link(desktop_ + "\\Three.lnk");
  App run(sandbox_, "\"" + target + "\"");
  ASSERT_NE(run.WaitForWindow(), nullptr);
  ASSERT_TRUE(PickAndCreate(run, 3, 2));

  const test::LinkFile bytes = test::ReadLinkFile(link.Path());
  EXPECT_EQ(bytes.iconLocation.value_or(""), target);
  EXPECT_EQ(bytes.iconIndex, 2);
  test::ExpectLiblnkReadsAlike(link.Path());
}

TEST_F(IconChoice, IconLibraryChosenByBrowsingGivesTheLinkItsIconWithoutMovingTheBrowseFolder) {
  const std::string target = sandbox_ / "notes.txt";
  MakeFile(target, "text");
  const std::string icons = sandbox_ / "Icons";
  MakeFolder(icons);
  const std::string library = icons + "\\Hundred.dll";
  ASSERT_TRUE(CopyFileA(testing::FixturePath("Hundred.dll").c_str(), library.c_str(), FALSE));
  sandbox_.WriteSettings(kNoOffer);
  const FileCleanup link(desktop_ + "\\notes.lnk");
  App run(sandbox_, "\"" + target + "\"");
  ASSERT_NE(run.WaitForWindow(), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return run.ListCount(id::kImageListBox1) == 1; }, 5000));
  EXPECT_FALSE(run.IsEnabled(id::kImageListBox1));

  run.Click(id::kButton2);
  const HWND dialog = run.WaitForFileDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(App::ChooseFile(dialog, "Icons\\Hundred.dll"));
  ASSERT_TRUE(WaitUntil([&] { return run.Text(id::kEdit4) == library; }, 5000));
  EXPECT_EQ(sandbox_.Setting("InitialDir"), sandbox_.Folder());
  ASSERT_TRUE(PickAndCreate(run, 100, 5));

  const test::LinkFile bytes = test::ReadLinkFile(link.Path());
  EXPECT_EQ(bytes.iconLocation.value_or(""), library);
  EXPECT_EQ(bytes.iconIndex, 5);
  test::ExpectLiblnkReadsAlike(link.Path());
}

// Entry 1 stands below entry 0 in the same column, the list shows whole rows only, and it
// stays within its frame of 64 pixels at 96 DPI.
::testing::AssertionResult ShowsWholeRowsInItsFrame(const App& run) {
  const RECT first = run.ListItemRect(id::kImageListBox1, 0);
  const RECT second = run.ListItemRect(id::kImageListBox1, 1);
  RECT client{};
  GetClientRect(run.Control(id::kImageListBox1), &client);
  const RECT frame = run.ControlRect(id::kImageListBox1);
  const int row = first.bottom - first.top;
  if (second.left == first.left && second.top == first.bottom && row > 0 &&
      client.bottom % row == 0 && frame.bottom - frame.top <= 64) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "entry 0 at " << first.left << "," << first.top << ", entry 1 at " << second.left << ","
         << second.top << ", client " << client.bottom << " high, frame "
         << frame.bottom - frame.top;
}

TEST_F(IconChoice, ListKeepsItsRowsAfterALibraryThatNeededTheScrollBar) {
  sandbox_.WriteSettings(kNoOffer);
  App run(sandbox_);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  // The library's icons need the horizontal scroll bar, the program's three do not.
  const std::pair<const char*, int> files[] = {
      {"Hundred.dll", 100}, {"Three.EXE", 3}, {"Hundred.dll", 100}, {"Three.EXE", 3}};
  for (const auto& [fixture, count] : files) {
    SCOPED_TRACE(fixture);
    ASSERT_TRUE(run.Drop({testing::FixturePath(fixture)}));
    ASSERT_TRUE(WaitUntil([&] { return run.ListCount(id::kImageListBox1) == count; }, 5000));
    EXPECT_TRUE(ShowsWholeRowsInItsFrame(run));
  }
  EXPECT_TRUE(run.CloseWindow());
}

// Each damaged source of the generated fixtures, as the target on the command line and as the
// icon file chosen by browsing: the program lists the file and goes on answering.
TEST_F(IconChoice, NoDamagedIconSourceEndsTheProgramAsTargetOrAsIconFile) {
  sandbox_.WriteSettings(kNoOffer);
  const std::string fixtures = testing::FixturePath("IconSources\\Damaged");
  const std::vector<std::string> names = FolderEntries(fixtures);
  ASSERT_GE(names.size(), 20u);
  const auto copy = [&](const std::string& name, const std::string& folder) {
    MakeFolder(folder);
    const std::string path = folder + "\\" + name;
    EXPECT_TRUE(CopyFileA((fixtures + "\\" + name).c_str(), path.c_str(), FALSE)) << name;
    return path;
  };

  // A few programs at a time: most of a start is waiting.
  constexpr size_t kTogether = 4;
  for (size_t first = 0; first < names.size(); first += kTogether) {
    std::vector<std::string> targets;
    std::vector<std::unique_ptr<App>> runs;
    for (size_t i = first; i < std::min(first + kTogether, names.size()); ++i) {
      targets.push_back(copy(names[i], sandbox_ / "Targets"));
      runs.push_back(std::make_unique<App>(sandbox_, "\"" + targets.back() + "\""));
    }
    for (size_t i = 0; i < runs.size(); ++i) {
      ASSERT_NE(runs[i]->WaitForWindow(), nullptr) << targets[i];
      EXPECT_TRUE(runs[i]->StaysOpen(100)) << targets[i];
      EXPECT_EQ(runs[i]->Text(id::kEdit1), targets[i]);
    }
  }

  // Chosen from a folder below the one the dialog opens in: the dialog's own file list reads the
  // icons of the programs it shows, unchecked.
  MakeFile(sandbox_ / "notes.txt", "text");
  App run(sandbox_, "\"" + (sandbox_ / "notes.txt") + "\"");
  ASSERT_NE(run.WaitForWindow(), nullptr);
  for (const std::string& name : names) {
    const std::string path = copy(name, sandbox_ / "Icons");
    run.Click(id::kButton2);
    const HWND dialog = run.WaitForFileDialog();
    ASSERT_NE(dialog, nullptr) << name;
    ASSERT_TRUE(App::ChooseFile(dialog, "Icons\\" + name)) << name;
    ASSERT_TRUE(WaitUntil([&] { return run.Text(id::kEdit4) == path; }, 5000)) << name;
  }
  EXPECT_TRUE(run.StaysOpen(100));
  EXPECT_EQ(run.Text(id::kEdit1), sandbox_ / "notes.txt");
}

}  // namespace
}  // namespace velmora::e2e
