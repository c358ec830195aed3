// Links and the settings file on a disk that is full or fills up: each is written whole or not at
// all, the failure is reported with the system's reason, and a file that was there stays as it
// was. Drive S: is the 4 MiB disk that test.sh mounts for this (tools/small-disk.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Driver.h"
#include "LiblnkReader.h"
#include "LinkFileReader.h"
#include "TestTexts.h"
#include "app/ControlIds.h"
#include "base/ComApartment.h"
#include "base/ErrorText.h"
#include "base/KernelHandles.h"

namespace velmora::e2e {
namespace {

constexpr char kSmallDisk[] = "S:\\";
// Larger than that would be a disk that matters: never fill one.
constexpr ULONGLONG kLargestSmallDisk = 8 << 20;
constexpr DWORD kBlock = 4096;
// Parameters that make a link of about 18 KB, stored in UTF-16.
const std::string kLongParameters(9000, 'x');

bool HasSmallDisk() {
  ULARGE_INTEGER total{};
  return GetDiskFreeSpaceExA(kSmallDisk, nullptr, &total, nullptr) &&
         total.QuadPart <= kLargestSmallDisk;
}

std::string SystemReason(DWORD code) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  return TrimSystemMessage(std::string_view(text, length));
}

// A file that takes all the disk's room but `leave` bytes, removed when it goes.
class Filler {
 public:
  Filler(const std::string& path, ULONGLONG leave) : cleanup_(path) {
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
      return;
    const std::string block(kBlock, 'f');
    LARGE_INTEGER size{};
    DWORD written = 0;
    while (WriteFile(file.Get(), block.data(), kBlock, &written, nullptr) && written == kBlock)
      size.QuadPart += kBlock;
    size.QuadPart -= static_cast<LONGLONG>(std::min<ULONGLONG>(leave, size.QuadPart));
    ready_ = SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get()) &&
             FlushFileBuffers(file.Get());
  }

  bool Ready() const { return ready_; }

 private:
  FileCleanup cleanup_;
  bool ready_ = false;
};

class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasSmallDisk())
      GTEST_SKIP() << "no small disk S: (test.sh mounts one when it runs as root)";
    ASSERT_TRUE(sandbox_.Ready());
    MakeFolder(folder_.Path());
    MakeFile(target_, "text");
    ASSERT_TRUE(Exists(target_));
    // The link goes next to its target, on the small disk.
    sandbox_.WriteSettings("[Window]\r\nStart=0\r\nItemIndex=4\r\nWindowState=0\r\n");
  }

  // Asks for the link with these parameters and answers Yes to every question.
  static void CreateWith(App& run, const std::string& parameters) {
    ASSERT_NE(run.WaitForWindow(), nullptr);
    run.SetText(id::kEdit3, parameters);
    run.Click(id::kBitBtn1);
    for (HWND box; (box = run.WaitForConfirmBox(3000)) != nullptr;)
      ASSERT_TRUE(App::Answer(box, IDYES));
  }

  std::string Report() const {
    return ReportText(link_ + test_text::kCannotCreateBecause + SystemReason(ERROR_DISK_FULL));
  }

  const ComApartment com_;
  Sandbox sandbox_;
  const FileCleanup folder_{std::string(kSmallDisk) + "VelmoraFull" +
                            std::to_string(GetCurrentProcessId())};
  const std::string target_ = folder_.Path() + "\\tool.txt";
  const std::string link_ = folder_.Path() + "\\tool.lnk";
};

TEST_F(FullDisk, ALinkThatDoesNotFitIsReportedAndLeavesNoFile) {
  std::optional<Filler> filler(std::in_place, std::string(kSmallDisk) + "filler", kBlock);
  ASSERT_TRUE(filler->Ready());
  App run(sandbox_, "\"" + target_ + "\"");
  CreateWith(run, kLongParameters);
  EXPECT_EQ(run.AnswerErrorBox(), Report());
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"tool.txt"});

  // With room again, the same window writes the link whole.
  filler.reset();
  CreateWith(run, kLongParameters);
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_EQ(test::ReadLinkFile(link_).arguments, kLongParameters);
  EXPECT_EQ(test::ReadThroughShell(link_).path, target_);
  test::ExpectLiblnkReadsAlike(link_);
}

TEST_F(FullDisk, ALinkThatCannotBeReplacedStaysByteForByte) {
  {
    App run(sandbox_, "\"" + target_ + "\"");
    CreateWith(run, "-v");
    ASSERT_TRUE(run.WaitForExit());
  }
  const std::string before = ReadWholeFile(link_);
  ASSERT_FALSE(before.empty());
  test::ExpectLiblnkReadsAlike(link_);

  const Filler filler(std::string(kSmallDisk) + "filler", kBlock);
  ASSERT_TRUE(filler.Ready());
  App run(sandbox_, "\"" + target_ + "\"");
  CreateWith(run, kLongParameters);
  EXPECT_EQ(run.AnswerErrorBox(), Report());
  EXPECT_TRUE(run.StaysOpen());
  EXPECT_EQ(ReadWholeFile(link_), before);
  std::vector<std::string> entries = FolderEntries(folder_.Path());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"tool.lnk", "tool.txt"}));
  EXPECT_EQ(test::ReadThroughShell(link_).arguments, "-v");
}

// A settings file of another program's keys and Velmora's saved choices, on the full disk, at a
// first start: no write changes a byte of it, each is reported with the system's reason, and the
// window shows the saved choices. With room again, only the "Start" line is added.
TEST_F(FullDisk, TheSettingsFileIsWrittenWholeOrNotAtAll) {
  std::string saved = "[Other]\r\n";
  for (int key = 0; key < 57; ++key)
    saved += "Key" + std::to_string(key) + "=" + std::string(40, 'v') + "\r\n";
  saved += "[Window]\r\nItemIndex=3\r\nStrFlag=0\r\nWindowState=2\r\n";
  const Sandbox onDisk(saved, "S:");
  ASSERT_TRUE(onDisk.Ready());
  const std::string report = ReportText(onDisk.SettingsPath() + test_text::kCannotWriteBecause +
                                        ReportedReason(ERROR_DISK_FULL));
  const auto declineOffer = [](App& run) {
    const HWND offer = run.WaitForConfirmBox();
    ASSERT_NE(offer, nullptr);
    ASSERT_TRUE(App::Answer(offer, IDNO));
  };
  {
    // Not a byte to spare: the disk's room comes in blocks.
    const Filler filler(std::string(kSmallDisk) + "filler", 1);
    ASSERT_TRUE(filler.Ready());
    App run(onDisk, "\"" + target_ + "\"");
    declineOffer(run);
    EXPECT_EQ(run.AnswerErrorBox(), report);  // "Start"
    EXPECT_EQ(run.AnswerErrorBox(), report);  // the target's folder
    ASSERT_NE(run.WaitForWindow(), nullptr);
    EXPECT_TRUE(run.IsChecked(id::kRadioItem0 + 3));
    EXPECT_FALSE(run.IsChecked(id::kCheckBox1));
    EXPECT_EQ(run.ComboSelection(id::kComboBox1), 2);
    run.Click(id::kRadioItem0 + 2);  // closing writes only what changed
    run.Click(id::kBitBtn2);
    EXPECT_EQ(run.AnswerErrorBox(), report);
    EXPECT_TRUE(run.WaitForExit());
    EXPECT_EQ(onDisk.ReadSettings(), saved);
    std::vector<std::string> entries = FolderEntries(onDisk.Folder());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"Velmora.exe", "Velmora.ini"}));
  }
  App run(onDisk);
  declineOffer(run);
  ASSERT_NE(run.WaitForWindow(), nullptr);
  EXPECT_TRUE(run.CloseWindow());
  EXPECT_EQ(onDisk.ReadSettings(), saved + "Start=0\r\n");
}

}  // namespace
}  // namespace velmora::e2e
