// The shortcut writer against the real shell link object: every link is read back from its
// bytes and through the shell, so a field that the writer set wrongly, or that never reached the
// file, shows.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "LinkFileReader.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "shortcut/ShortcutWriter.h"
#include "base/ComApartment.h"
#include "base/Error.h"
#include "base/ErrorText.h"
#include "base/KernelHandles.h"

namespace velmora {
namespace {

using test::ReadLinkFile;
using test::ReadThroughShell;
namespace tt = test_text;
using testing::Exists;
using testing::FolderEntries;
using testing::MakeFile;
using testing::ScratchFolder;
using testing::SpecialFolder;

constexpr int kDesktopFolder = 16;  // CSIDL_DESKTOPDIRECTORY
constexpr int kSendToFolder = 9;    // CSIDL_SENDTO
constexpr int kNoSuchFolder = 0xFFFF;

std::uint64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    return 0;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ModulePath() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? std::string() : std::string(path, length);
}

// The message of the Error that the writer raises, or "" when it raises none.
std::string ErrorOf(const ShortcutRequest& request) {
  try {
    WriteShortcut(request);
  } catch (const Error& error) {
    return error.what();
  }
  return {};
}

class ShortcutWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(Folder().empty());
    target_ = Folder() + "\\tool.exe";
    MakeFile(target_, "MZ");
  }
  void TearDown() override {
    for (const std::string& path : outside_)
      DeleteFileA(path.c_str());
  }

  const std::string& Folder() const { return scratch_.Path(); }

  // Writes into this test's own folder, as the picker destination does: no special folder, and
  // the destination names the folder.
  ShortcutRequest PickerRequest(const std::string& name) const {
    ShortcutRequest request;
    request.targetPath = target_;
    request.shortcutName = name;
    request.showCommand = SW_SHOWDEFAULT;
    request.destination.label = Folder();
    request.iconFile = target_;
    return request;
  }

  // A link file outside the test's own folder: removed now, so that a leftover of an earlier run
  // cannot pass for a write, and again after the test.
  std::string Outside(const std::string& path) {
    DeleteFileA(path.c_str());
    outside_.push_back(path);
    return path;
  }

  std::string target_;

 private:
  // The program initialises COM for its window thread before it writes any link.
  const ComApartment com_;
  ScratchFolder scratch_{"VelmoraLinkTest"};
  std::vector<std::string> outside_;
};

TEST_F(ShortcutWriterTest, DesktopLinkIsNamedWithOrWithoutTheSuffix) {
  const std::string desktop = SpecialFolder(kDesktopFolder);
  ASSERT_FALSE(desktop.empty());
  const std::string plain = Outside(desktop + "\\" + tt::kNotepad + ".lnk");
  const std::string suffixed = Outside(desktop + "\\" + tt::kNotepad + tt::kSuffixedLink);
  ShortcutRequest request = PickerRequest(tt::kNotepad);
  request.destination.specialFolder = kDesktopFolder;

  WriteShortcut(request);
  EXPECT_TRUE(Exists(plain));
  EXPECT_FALSE(Exists(suffixed));

  request.addSuffix = true;
  WriteShortcut(request);
  ASSERT_TRUE(Exists(suffixed));
  EXPECT_EQ(ReadThroughShell(suffixed).path, target_);
}

TEST_F(ShortcutWriterTest, EmptyNameLeavesOnlyTheEndingAndFitsAPathOfTheSystemsLimit) {
  // ".lnk" in a folder that makes its path 259 characters long.
  const std::string folder = Folder() + "\\" + std::string(253 - Folder().size(), 'f');
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ShortcutRequest request = PickerRequest("");
  request.destination.label = folder;
  WriteShortcut(request);
  request.destination.label = Folder();
  request.addSuffix = true;
  WriteShortcut(request);

  EXPECT_EQ(ReadThroughShell(folder + "\\.lnk").path, target_);
  EXPECT_EQ(ReadThroughShell(Folder() + "\\" + tt::kSuffixedLink).path, target_);
}

TEST_F(ShortcutWriterTest, PickerAtADriveRootWritesWithOneSeparator) {
  const std::string name = "VelmoraRootLinkTest-" + std::to_string(GetCurrentProcessId());
  const std::string link = Outside("C:\\" + name + ".lnk");
  ShortcutRequest request = PickerRequest(name);
  request.destination.label = "C:\\";
  EXPECT_EQ(ShortcutFileName(request), link);

  WriteShortcut(request);

  ASSERT_TRUE(Exists(link));
  EXPECT_EQ(ReadThroughShell(link).path, target_);
}

TEST_F(ShortcutWriterTest, StoresEveryFieldAsGiven) {
  const std::string icons = Folder() + "\\icons.dll";
  ShortcutRequest request = PickerRequest(tt::kNotepad);
  request.arguments = "-v \"a b\"";
  request.showCommand = SW_SHOWMINNOACTIVE;
  request.iconFile = icons;
  request.iconIndex = 3;
  WriteShortcut(request);

  const std::string link = Folder() + "\\" + tt::kNotepad + ".lnk";
  const test::LinkFile stored = ReadLinkFile(link);
  EXPECT_EQ(stored.headerSize, 0x4Cu);
  EXPECT_EQ(stored.clsid, test::ShellLinkClsidBytes());
  EXPECT_EQ(stored.arguments, request.arguments);
  EXPECT_EQ(stored.workingDirectory, Folder() + "\\");
  EXPECT_EQ(stored.iconLocation, icons);
  EXPECT_EQ(stored.iconIndex, 3);
  EXPECT_EQ(stored.showCommand, static_cast<std::uint32_t>(SW_SHOWMINNOACTIVE));

  const test::ShellLinkFields shell = ReadThroughShell(link);
  EXPECT_EQ(shell.path, target_);
  EXPECT_EQ(shell.arguments, request.arguments);
  EXPECT_EQ(shell.workingDirectory, Folder() + "\\");
  EXPECT_EQ(shell.iconLocation, icons);
  EXPECT_EQ(shell.iconIndex, 3);
}

TEST_F(ShortcutWriterTest, StoresTheShowCommandOfEachWindowState) {
  for (const int show : {SW_SHOWDEFAULT, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED}) {
    SCOPED_TRACE(show);
    ShortcutRequest request = PickerRequest("show" + std::to_string(show));
    request.showCommand = show;
    WriteShortcut(request);

    const std::string link = Folder() + "\\" + request.shortcutName + ".lnk";
    EXPECT_EQ(ReadLinkFile(link).showCommand, static_cast<std::uint32_t>(show));
  }
}

TEST_F(ShortcutWriterTest, WorkingDirectoryIsTheTargetsFolderWithItsBackslash) {
  const std::string soFolder = Folder() + "\\" + tt::kFolderEndingInSo;
  ASSERT_TRUE(CreateDirectoryA(soFolder.c_str(), nullptr));
  MakeFile(soFolder + "\\tool.exe", "MZ");
  const struct {
    std::string target;
    std::string workingDirectory;
  } cases[] = {
      {"C:\\edit.exe", "C:\\"},
      {"C:\\Program Files\\x.exe", "C:\\Program Files\\"},
      // The second byte of the folder name's last character is 0x5C: not a separator.
      {soFolder + "\\tool.exe", soFolder + "\\"},
  };
  int serial = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    ShortcutRequest request = PickerRequest("wd" + std::to_string(++serial));
    request.targetPath = c.target;
    WriteShortcut(request);

    const std::string link = Folder() + "\\" + request.shortcutName + ".lnk";
    EXPECT_EQ(ReadLinkFile(link).workingDirectory, c.workingDirectory);
    EXPECT_EQ(ReadThroughShell(link).workingDirectory, c.workingDirectory);
  }
}

TEST_F(ShortcutWriterTest, IconIndexOfAnEmptySelectionIsKept) {
  ShortcutRequest request = PickerRequest(tt::kNotepad);
  request.iconIndex = -1;
  WriteShortcut(request);

  const std::string link = Folder() + "\\" + tt::kNotepad + ".lnk";
  EXPECT_EQ(ReadLinkFile(link).iconIndex, -1);
  const test::ShellLinkFields shell = ReadThroughShell(link);
  EXPECT_EQ(shell.iconLocation, target_);
  EXPECT_EQ(shell.iconIndex, -1);
}

TEST_F(ShortcutWriterTest, FirstStartLinkGoesIntoSendToWithoutIconOrArguments) {
  const std::string sendTo = SpecialFolder(kSendToFolder);
  ASSERT_FALSE(sendTo.empty());
  const std::string program = ModulePath();
  ASSERT_FALSE(program.empty());
  const std::string link = Outside(sendTo + "\\" + tt::kSendToName + ".lnk");
  ShortcutRequest request;
  request.targetPath = program;
  request.shortcutName = tt::kSendToName;
  request.destination.specialFolder = kSendToFolder;
  request.showCommand = SW_HIDE;
  WriteShortcut(request);

  const std::string programFolder = program.substr(0, program.rfind('\\') + 1);
  const test::LinkFile stored = ReadLinkFile(link);
  EXPECT_EQ(stored.showCommand, 0u);
  EXPECT_EQ(stored.iconIndex, 0);
  EXPECT_EQ(stored.arguments.value_or(""), "");
  EXPECT_EQ(stored.iconLocation.value_or(""), "");
  EXPECT_EQ(stored.workingDirectory, programFolder);
  const test::ShellLinkFields shell = ReadThroughShell(link);
  EXPECT_EQ(shell.path, program);
  EXPECT_EQ(shell.arguments, "");
  EXPECT_EQ(shell.workingDirectory, programFolder);
  EXPECT_EQ(shell.iconLocation, "");
  EXPECT_EQ(shell.iconIndex, 0);
}

TEST_F(ShortcutWriterTest, OverwritesAFileOfTheSameNameUnlessItIsHeldTooLong) {
  const std::string link = Folder() + "\\" + tt::kNotepad + ".lnk";
  MakeFile(link, std::string(65536, 'x'));
  UniqueFile held(CreateFileA(link.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(ReportText(ErrorOf(PickerRequest(tt::kNotepad))), link + tt::kAccessDeniedReportTail);
  held.Reset();
  EXPECT_EQ(testing::ReadWholeFile(link), std::string(65536, 'x'));
  EXPECT_EQ(FolderEntries(Folder()).size(), 2u);

  WriteShortcut(PickerRequest(tt::kNotepad));

  EXPECT_LT(FileSize(link), 65536u);
  EXPECT_EQ(ReadLinkFile(link).clsid, test::ShellLinkClsidBytes());
  EXPECT_EQ(ReadThroughShell(link).path, target_);
}

TEST_F(ShortcutWriterTest, PickerDestinationsNeverLookUpTheSpecialFolder) {
  for (const int destination : {4, 5}) {
    SCOPED_TRACE(destination);
    ShortcutRequest request = PickerRequest("dest" + std::to_string(destination));
    request.destination = ResolveDestination(destination, target_, Folder()).value();
    WriteShortcut(request);
    EXPECT_TRUE(Exists(Folder() + "\\" + request.shortcutName + ".lnk"));
  }
}

TEST_F(ShortcutWriterTest, SpecialFolderWithoutAPathIsReported) {
  // No such folder number at all, and a folder of the shell that is no file-system folder.
  for (const int folderNumber : {kNoSuchFolder, CSIDL_DRIVES}) {
    SCOPED_TRACE(folderNumber);
    ShortcutRequest request = PickerRequest(tt::kNotepad);
    request.destination.specialFolder = folderNumber;
    EXPECT_EQ(ErrorOf(request), tt::kNoDestinationFolder);
  }
}

TEST_F(ShortcutWriterTest, FailedSaveIsReportedWithTheSystemsReasonAndWritesNothing) {
  const std::string missing = Folder() + "\\missing";
  const std::string tooLong(300, 'a');  // longer than any file system takes for one name
  const struct {
    std::string folder;
    std::string name;
  } cases[] = {
      {missing, tt::kNotepad},
      {target_, tt::kNotepad},  // a file where the folder should be
      {Folder(), tooLong},
  };
  for (const auto& c : cases) {
    ShortcutRequest request = PickerRequest(c.name);
    request.destination.label = c.folder;
    const std::string file = c.folder + "\\" + c.name + ".lnk";
    SCOPED_TRACE(file);
    // The system's reason follows, and the report's full stop is the only one at the end.
    const std::string report = ReportText(ErrorOf(request));
    EXPECT_EQ(report.rfind(file + tt::kCannotCreateBecause, 0), 0u);
    EXPECT_EQ(report.find(tt::kTwoFullStops), std::string::npos);
  }
  EXPECT_FALSE(Exists(missing));
  EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"tool.exe"});
}

TEST_F(ShortcutWriterTest, NameThatIsNoTextOfTheCodePageWritesNothing) {
  // A lead byte with nothing to pair with would turn into some other character of some other
  // file name.
  ShortcutRequest request = PickerRequest("abc\x83");
  EXPECT_EQ(ErrorOf(request), Folder() + "\\abc\x83.lnk" + tt::kNotCodePageTextTail);
  request.shortcutName = std::string("abc\0def", 7);
  EXPECT_EQ(ErrorOf(request), Folder() + "\\abc" + tt::kCannotCreate);
  EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"tool.exe"});
}

TEST(ShortcutWriterWithoutCom, FailedCreationCarriesTheSystemsText) {
  // A thread that never initialised COM cannot create the link object.
  ScratchFolder scratch;
  ASSERT_FALSE(scratch.Path().empty());
  ShortcutRequest request;
  request.targetPath = "C:\\edit.exe";
  request.shortcutName = "x";
  request.destination.label = scratch.Path();
  bool raised = false;
  std::string message;
  std::thread writer([&] {
    try {
      WriteShortcut(request);
    } catch (const Error& error) {
      raised = true;
      message = error.what();
    }
  });
  writer.join();

  ASSERT_TRUE(raised);
  ASSERT_FALSE(message.empty());
  // Trimmed like every system message: no full stop, blank or line break at its end.
  const unsigned char last = static_cast<unsigned char>(message.back());
  EXPECT_TRUE(last > ' ' && last != '.') << message;
  EXPECT_TRUE(FolderEntries(scratch.Path()).empty());
}

}  // namespace
}  // namespace velmora
