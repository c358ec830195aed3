// The icon-file check against the generated sources (tests/fixtures/make-icon-sources.py): good
// files counted as the system counts them, each damaged kind refused, and nothing read past the
// end of any file.
#include "icons/IconSource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using velmora::CheckIconSource;
using velmora::IconSourceCheck;
using velmora::IconSourceKind;

std::vector<std::uint8_t> ReadSource(const std::string& name) {
  std::ifstream file(std::string(VELMORA_ICON_SOURCES) + "/" + name, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                   std::istreambuf_iterator<char>());
}

// "x" for a damaged file, else one character an icon: 1 whole, 0 kept from the system.
std::string Icons(const IconSourceCheck& check) {
  if (!check.sound)
    return check.Count() == 0 ? "x" : "x with icons";
  std::string icons;
  for (int i = 0; i < check.Count(); ++i)
    icons += check.Whole(i) ? '1' : '0';
  return icons;
}

struct Source {
  const char* name;
  IconSourceKind kind;
  const char* icons;
};

constexpr IconSourceKind kIconFile = IconSourceKind::IconFile;
constexpr IconSourceKind kProgram = IconSourceKind::Program;
constexpr IconSourceKind kProgram16 = IconSourceKind::Program16;

constexpr Source kSources[] = {
    // Good files, and files the system finds no icons in.
    {"Good.ico", kIconFile, "1"},
    {"Good16.exe", kProgram16, "11"},
    {"Good16NamesFirst.exe", kProgram16, "11"},
    {"Good32.dll", kProgram, "111"},
    {"Good64.dll", kProgram, "11"},
    {"NoImages.ico", kIconFile, ""},
    {"NoResources.exe", kProgram, ""},
    {"NotAProgram.exe", IconSourceKind::None, ""},
    // Icon files: all of the file is its one icon.
    {"Damaged/CutShort.ico", kIconFile, "x"},
    {"Damaged/ManyImages.ico", kIconFile, "x"},
    {"Damaged/OffsetPastEnd.ico", kIconFile, "x"},
    {"Damaged/SizePastEnd.ico", kIconFile, "x"},
    {"Damaged/DirectoryCut.ico", kIconFile, "x"},
    {"Damaged/BadBitmap.ico", kIconFile, "x"},
    {"Damaged/BadPng.ico", kIconFile, "x"},
    // Programs: damaged headers and directories refuse the file, a damaged icon only itself.
    {"Damaged/ResourcesBeyond.exe", kProgram, "x"},
    {"Damaged/RootCount.dll", kProgram, "x"},
    {"Damaged/GroupsPastEnd.dll", kProgram, "x"},
    {"Damaged/HeadersCut.exe", kProgram, "x"},
    {"Damaged/SectionsPastEnd.dll", kProgram, "x"},
    {"Damaged/Group65535.dll", kProgram, "011"},
    {"Damaged/ResourcesCut.dll", kProgram, "000"},
    {"Damaged/GroupLoop.dll", kProgram, "101"},
    {"Damaged/BadImage.exe", kProgram, "01"},
    {"Damaged/MissingImage.dll", kProgram, "101"},
    {"Damaged/Types16Runaway.exe", kProgram16, "x"},
    {"Damaged/Table16PastEnd.exe", kProgram16, "x"},
    {"Damaged/Shift16.exe", kProgram16, "x"},
    {"Damaged/Group16PastEnd.exe", kProgram16, "01"},
    {"Damaged/Icon16PastEnd.exe", kProgram16, "01"},
    {"Damaged/Group16Count.exe", kProgram16, "01"},
};

TEST(IconSource, EachSourceIsTakenApartAsTheSystemWouldAndEachDamageIsFound) {
  for (const Source& source : kSources) {
    const std::vector<std::uint8_t> bytes = ReadSource(source.name);
    ASSERT_FALSE(bytes.empty()) << source.name;
    const IconSourceCheck check = CheckIconSource(bytes);
    EXPECT_EQ(check.kind, source.kind) << source.name;
    EXPECT_EQ(Icons(check), source.icons) << source.name;
  }
}

TEST(IconSource, FilesTooShortForTheirHeadersHoldNoIcons) {
  const std::vector<std::vector<std::uint8_t>> files = {
      {}, {'M'}, {'M', 'Z'}, {0, 0, 1}, {0, 0, 1, 0, 0}, {0, 0, 1, 0, 1}};
  EXPECT_EQ(Icons(CheckIconSource(files[0])), "");
  EXPECT_EQ(Icons(CheckIconSource(files[1])), "");
  EXPECT_EQ(Icons(CheckIconSource(files[2])), "");
  // An icon file's header read past the end as zeros: no images.
  EXPECT_EQ(Icons(CheckIconSource(files[3])), "");
  EXPECT_EQ(Icons(CheckIconSource(files[4])), "");
  // One image, and no directory entry for it.
  EXPECT_EQ(Icons(CheckIconSource(files[5])), "x");
}

TEST(IconSource, AGoodFileCutAnywhereIsReadNoFurtherAndGainsNoIcon) {
  for (const char* name : {"Good.ico", "Good16.exe", "Good32.dll", "Good64.dll"}) {
    const std::vector<std::uint8_t> bytes = ReadSource(name);
    const IconSourceCheck whole = CheckIconSource(bytes);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      // A copy of exactly this length: a read past it is one past a heap block.
      const std::vector<std::uint8_t> cut(bytes.begin(),
                                          bytes.begin() + static_cast<std::ptrdiff_t>(length));
      const IconSourceCheck check = CheckIconSource(cut);
      EXPECT_TRUE(check.Count() == 0 || check.Count() == whole.Count()) << name << " " << length;
      for (int i = 0; i < check.Count(); ++i)
        EXPECT_TRUE(!check.Whole(i) || whole.Whole(i)) << name << " " << length << " " << i;
    }
  }
}

}  // namespace
