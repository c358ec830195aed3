// The settings file through the system's real profile functions, in a scratch folder.
#include "app/SettingsFile.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "app/SettingsTexts.h"
#include "base/Error.h"

namespace velmora {
namespace {

using testing::Acp;
using testing::Exists;
using testing::MakeFile;
using testing::ReadWholeFile;
using testing::ScratchFolder;

class SettingsFileTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  SettingsFile settings_{folder_ / "Velmora.ini"};
};

// What the system hands back, without the settings object's conversions.
std::string RawValue(const std::string& file, const char* key) {
  char buffer[64];
  const DWORD length =
      GetPrivateProfileStringA("Window", key, "<none>", buffer, sizeof buffer, file.c_str());
  return std::string(buffer, length);
}

TEST_F(SettingsFileTest, ValuesComeBackAsWritten) {
  const std::string folder = Acp(L"C:\\ソフト\\Tools");
  settings_.WriteString("Window", "InitialDir", folder);
  settings_.WriteInteger("Window", "ItemIndex", -1);
  settings_.WriteInteger("Window", "WindowState", INT32_MAX);
  settings_.WriteInteger("Window", "Min", INT32_MIN);
  settings_.WriteBool("Window", "StrFlag", false);
  settings_.WriteBool("Window", "Other", true);

  EXPECT_EQ(settings_.ReadString("Window", "InitialDir", "x"), folder);
  EXPECT_EQ(settings_.ReadInteger("Window", "ItemIndex", 3), -1);
  EXPECT_EQ(settings_.ReadInteger("Window", "WindowState", 3), INT32_MAX);
  EXPECT_EQ(settings_.ReadInteger("Window", "Min", 3), INT32_MIN);
  EXPECT_FALSE(settings_.ReadBool("Window", "StrFlag", true));
  EXPECT_TRUE(settings_.ReadBool("Window", "Other", false));
  EXPECT_EQ(RawValue(settings_.Path(), "ItemIndex"), "-1");
  EXPECT_EQ(RawValue(settings_.Path(), "StrFlag"), "0");
  EXPECT_EQ(RawValue(settings_.Path(), "Other"), "1");

  settings_.WriteInteger("Window", "ItemIndex", 4);
  EXPECT_EQ(settings_.ReadInteger("Window", "ItemIndex", 3), 4);
}

TEST_F(SettingsFileTest, MissingFileOrKeyGivesTheDefault) {
  EXPECT_EQ(settings_.ReadString("Window", "InitialDir", "C:\\Tools\\Velmora.exe"),
            "C:\\Tools\\Velmora.exe");
  EXPECT_EQ(settings_.ReadInteger("Window", "ItemIndex", 0), 0);
  EXPECT_EQ(settings_.ReadInteger("Window", "WindowState", 2), 2);
  EXPECT_TRUE(settings_.ReadBool("Window", "Start", true));
  EXPECT_FALSE(settings_.ReadBool("Window", "Start", false));
  EXPECT_FALSE(Exists(settings_.Path())) << "reading must not create the file";

  settings_.WriteInteger("Window", "ItemIndex", 2);
  EXPECT_EQ(settings_.ReadString("Window", "InitialDir", "default"), "default");
  EXPECT_EQ(settings_.ReadString("Other", "ItemIndex", "default"), "default");
  EXPECT_TRUE(settings_.ReadBool("Window", "StrFlag", true));
  EXPECT_EQ(settings_.ReadInteger("Window", "WindowState", -1), -1);
}

TEST_F(SettingsFileTest, OddStoredTextsReadByTheIntegerRules) {
  struct Case {
    const char* stored;
    std::int32_t withDefault7;
    bool asBoolDefaultTrue;
    bool asBoolDefaultFalse;
  };
  const Case cases[] = {
      {"0x5", 5, true, true}, {"$5", 5, true, true},    {"yes", 7, true, false},
      {"2", 2, true, true},   {"-7", -7, true, true},   {"", 7, true, false},
      {"9", 9, true, true},   {"0", 0, false, false},   {"$FFFFFFFF", -1, true, true},
      {"5x", 7, true, false}, {"0X10", 16, true, true}, {"99999999999", 7, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    settings_.WriteString("Window", "Key", c.stored);
    EXPECT_EQ(settings_.ReadInteger("Window", "Key", 7), c.withDefault7);
    EXPECT_EQ(settings_.ReadBool("Window", "Key", true), c.asBoolDefaultTrue);
    EXPECT_EQ(settings_.ReadBool("Window", "Key", false), c.asBoolDefaultFalse);
  }
}

// The section read whole must give what each key read alone gives, whatever the file's hand
// edits: blanks, quotes, letter case, repeated keys and sections, lines without a value.
// Also with a section too long for the first read, and one too long for any read.
TEST_F(SettingsFileTest, ASectionReadWholeGivesWhatEachKeyReadAloneGives) {
  for (const std::size_t padding : {0, 2000, 40000}) {
    SCOPED_TRACE(padding);
    MakeFile(settings_.Path(),
             "; comment\r\n[Other]\r\nItemIndex=3\r\n[window]\r\nPad=" + std::string(padding, 'x') +
                 "\r\n  itemindex =  2 \r\n"
                 "StrFlag=\"0\"\r\nWindowState='1'\r\nQuoted=\"5\r\nBare\r\nStart=\r\n"
                 "Dup=4\r\nDup=6\r\nEq=1=2\r\n[Window]\r\nLate=8\r\n");
    const SettingsSection section(settings_, "Window");
    for (const char* key : {"ItemIndex", "StrFlag", "WindowState", "Quoted", "Bare", "Start", "Dup",
                            "Eq", "Late", "Missing"}) {
      SCOPED_TRACE(key);
      EXPECT_EQ(section.ReadInteger(key, 7), settings_.ReadInteger("Window", key, 7));
      EXPECT_EQ(section.ReadBool(key, true), settings_.ReadBool("Window", key, true));
    }
    EXPECT_EQ(section.ReadInteger("ItemIndex", 7), 2);
  }
  EXPECT_EQ(SettingsSection(SettingsFile(folder_ / "none.ini"), "Window").ReadInteger("Dup", 7), 7);
}

TEST_F(SettingsFileTest, StartIsStoredAsZeroInTheWindowSection) {
  settings_.WriteBool(text::kSection, text::kKeyStart, false);
  const std::string contents = ReadWholeFile(settings_.Path());
  EXPECT_NE(contents.find("[Window]"), std::string::npos) << contents;
  EXPECT_NE(contents.find("Start=0"), std::string::npos) << contents;
  EXPECT_FALSE(settings_.ReadBool(text::kSection, text::kKeyStart, true));
}

TEST_F(SettingsFileTest, LongStringsComeBackCutTo1023Characters) {
  std::string exact;
  while (exact.size() < 1023) {
    exact += "C:\\Folder" + std::to_string(exact.size());
  }
  exact.resize(1023);
  settings_.WriteString("Window", "InitialDir", exact);
  EXPECT_EQ(settings_.ReadString("Window", "InitialDir", ""), exact);

  const std::string longer = exact + "\\and more beyond the buffer";
  settings_.WriteString("Window", "InitialDir", longer);
  EXPECT_EQ(settings_.ReadString("Window", "InitialDir", ""), exact);
}

// A file beside the settings file's, read through the profile functions, written whole: the
// other bytes stay, the new values read back at once, and no other file is left.
TEST_F(SettingsFileTest, WritesKeepEveryOtherByteAndReadBackAtOnce) {
  const std::string others = "; hand-written\r\n[Other]\r\nItemIndex=3\r\n" + Acp(L"鍵=値\\\r\n") +
                             "\r\n[window]\r\n  itemindex = 1 \r\n";
  MakeFile(settings_.Path(), others + "Pad=x");
  EXPECT_EQ(RawValue(settings_.Path(), "ItemIndex"), "1");
  for (const char* value : {"4", "5"}) {
    settings_.WriteString("Window", "ItemIndex", value);
    EXPECT_EQ(RawValue(settings_.Path(), "ItemIndex"), value);
  }
  settings_.WriteValues("Window", {{"StrFlag", "0"}, {"InitialDir", Acp(L"C:\\ソ")}});
  EXPECT_EQ(settings_.ReadString("Window", "InitialDir", ""), Acp(L"C:\\ソ"));
  EXPECT_EQ(settings_.ReadString("Other", "ItemIndex", ""), "3");
  EXPECT_EQ(ReadWholeFile(settings_.Path()),
            "; hand-written\r\n[Other]\r\nItemIndex=3\r\n" + Acp(L"鍵=値\\\r\n") +
                "\r\n[window]\r\n  itemindex = 5\r\nPad=x\r\nStrFlag=0\r\n" +
                Acp(L"InitialDir=C:\\ソ\r\n"));
  EXPECT_EQ(testing::FolderEntries(folder_.Path()), std::vector<std::string>{"Velmora.ini"});
}

// Neither a missing folder nor a file where the folder should be takes the file; the settings
// object reports it with the system's reason, which closes without a full stop of its own.
TEST_F(SettingsFileTest, RefusedWritesRaiseTheErrorAndWriteNothing) {
  const std::string standIn = folder_ / "NotAFolder";
  testing::MakeFile(standIn, "keep");
  const std::string paths[] = {folder_ / "Missing\\Velmora.ini", standIn + "\\Velmora.ini"};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    const SettingsFile settings(path);
    const std::string prefix = path + Acp(L" に書き込めません。");
    try {
      settings.WriteString("Window", "InitialDir", "C:\\Tools");
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.substr(0, prefix.size()), prefix);
      EXPECT_GT(message.size(), prefix.size());
      EXPECT_FALSE(message.ends_with(Acp(L"。"))) << message;
    }
    EXPECT_THROW(settings.WriteInteger("Window", "ItemIndex", 1), Error);
    EXPECT_THROW(settings.WriteBool("Window", "Start", false), Error);
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(settings.ReadInteger("Window", "ItemIndex", 3), 3);
  }
  EXPECT_FALSE(Exists(folder_ / "Missing"));
  EXPECT_EQ(ReadWholeFile(standIn), "keep");
}

TEST(SettingsPathTest, JoinsTheExecutablesFolderAndTheFileName) {
  EXPECT_EQ(SettingsPathFor("C:\\Velmora.exe"), "C:\\\\Velmora.ini");
  EXPECT_EQ(SettingsPathFor("C:\\Tools\\Velmora.exe"), "C:\\Tools\\Velmora.ini");
  EXPECT_EQ(SettingsPathFor(Acp(L"D:\\ソ\\Velmora.exe")), Acp(L"D:\\ソ\\Velmora.ini"));

  const std::string executable = ExecutablePath();
  EXPECT_TRUE(Exists(executable)) << executable;
  ASSERT_GT(executable.size(), 3u);
  EXPECT_EQ(executable[1], ':');
  EXPECT_EQ(SettingsPath(), SettingsPathFor(executable));
}

}  // namespace
}  // namespace velmora
