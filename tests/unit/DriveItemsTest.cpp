#include "folders/DriveItems.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/LeadBytes.h"
#include "folders/LetterCase.h"

namespace {

using velmora::DriveKind;
using velmora::TextCase;

TEST(DriveItems, KindsAndTextsByDriveType) {
  using velmora::DriveItemText;
  using velmora::DriveKindOf;
  using velmora::VolumeTag;
  EXPECT_EQ(DriveKindOf(1), std::nullopt);  // no root folder
  EXPECT_EQ(DriveKindOf(2), DriveKind::kRemovable);
  EXPECT_EQ(DriveKindOf(6), DriveKind::kRamDisk);
  EXPECT_EQ(DriveKindOf(7), std::nullopt);

  EXPECT_EQ(DriveItemText('a', DriveKind::kRemovable, ""), "a:");
  EXPECT_EQ(DriveItemText('c', DriveKind::kFixed, VolumeTag("win98")), "c: [win98]");
  EXPECT_EQ(DriveItemText('e', DriveKind::kCdRom, VolumeTag("")), "e: []");
  EXPECT_EQ(DriveItemText('f', DriveKind::kRamDisk, VolumeTag("r&d")), "f: [r&d]");
  EXPECT_EQ(DriveItemText('n', DriveKind::kRemote, "\\\\server\\share"), "n: \\\\server\\share");
}

TEST(DriveItems, LettersInTheListsCaseAndFoundIgnoringCase) {
  using velmora::FindDriveItem;
  using velmora::InTextCase;
  using velmora::SameDriveLetter;
  EXPECT_EQ(InTextCase('C', TextCase::kLowerCase), 'c');
  EXPECT_EQ(InTextCase('\0', TextCase::kUpperCase), '\0');
  EXPECT_TRUE(SameDriveLetter('\0', '\0'));
  EXPECT_FALSE(SameDriveLetter('\0', 'c'));

  const std::vector<std::string> texts = {"a:", "c [no colon]", "c: [win98]", "d: [data]"};
  EXPECT_EQ(FindDriveItem(texts, 'C'), 2);
  EXPECT_EQ(FindDriveItem(texts, 'a'), 0);
  EXPECT_EQ(FindDriveItem(texts, 'b'), -1);
  EXPECT_EQ(FindDriveItem(texts, '\0'), -1);
  EXPECT_EQ(FindDriveItem({}, 'c'), -1);
}

// Under a double-byte code page only the single-byte letters change: ア (0x83 0x41) and Ｙ
// (0x82 0x78) keep their second bytes, which have the codes of A and x.
TEST(DriveItems, VolumeNamesTakeTheLettersCaseByteByByte) {
  using velmora::SingleByteLower;
  using velmora::SingleByteUpper;
  const velmora::LeadBytes& sjis = velmora::LeadBytes::ShiftJis();
  EXPECT_EQ(SingleByteLower("Data Disk", sjis), "data disk");
  EXPECT_EQ(SingleByteUpper("Data Disk", sjis), "DATA DISK");
  EXPECT_EQ(SingleByteLower("\x83\x41Z\x82\x78", sjis), "\x83\x41z\x82\x78");
  EXPECT_EQ(SingleByteUpper("\x83\x41z\x82\x78", sjis), "\x83\x41Z\x82\x78");
  // Without lead bytes every byte is a character of its own.
  EXPECT_EQ(SingleByteLower("\x83\x41", velmora::LeadBytes()), "\x83\x61");
  EXPECT_TRUE(velmora::IsLowerLetter('d'));
  EXPECT_FALSE(velmora::IsLowerLetter('D'));
}

}  // namespace
