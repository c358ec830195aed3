// Fuzz target of the icon-file check (src/icons/IconSource.h). Besides never reading outside
// the bytes it is given, the check must answer the same for the same bytes, keep within the
// counts the system can give, and never find more in a file cut short than in the whole file.
// Every icon it calls whole is read again by a slow reference written apart from it, which finds
// the icon's group and images where the system finds them and holds each image to the check's
// rules: inside the file, and a PNG or bitmap header whose pixels fit the size it is given.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

#include "FuzzChecks.h"
#include "icons/IconSource.h"

namespace {

using velmora::CheckIconSource;
using velmora::IconSourceCheck;
using velmora::IconSourceKind;

// The first rule of the reference that an icon the check called whole breaks.
struct Broken {
  const char* rule;
};

void Expect(bool holds, const char* rule) {
  if (!holds)
    throw Broken{rule};
}

// The file's bytes, little-endian unless said; a read outside them breaks the rule that the
// icon lies inside the file.
class File {
 public:
  File(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint64_t Size() const { return size_; }
  std::uint32_t Byte(std::uint64_t at) const {
    Expect(at < size_, "read inside the file");
    return data_[at];
  }
  std::uint32_t U16(std::uint64_t at) const { return Byte(at) | Byte(at + 1) << 8; }
  std::uint32_t U32(std::uint64_t at) const { return U16(at) | U16(at + 2) << 16; }
  std::uint32_t BigU32(std::uint64_t at) const {
    return Byte(at) << 24 | Byte(at + 1) << 16 | Byte(at + 2) << 8 | Byte(at + 3);
  }

 private:
  const std::uint8_t* data_;
  std::uint64_t size_;
};

// Bytes a row of `bits` bits takes in a bitmap: whole 32-bit words.
std::uint64_t RowBytes(std::uint64_t bits) {
  return (bits + 31) / 32 * 4;
}

void ExpectPng(const File& file, std::uint64_t at, std::uint64_t size) {
  const char* signature = "\x89PNG\r\n\x1A\n";
  Expect(size >= 8 + 4 + 4 + 13 + 4, "PNG: header chunk inside the image");
  for (int i = 0; i < 8; ++i)
    Expect(file.Byte(at + i) == static_cast<std::uint8_t>(signature[i]), "PNG: signature");
  Expect(file.BigU32(at + 8) == 13 && file.BigU32(at + 12) == 0x49484452, "PNG: IHDR first");
  const std::uint32_t width = file.BigU32(at + 16);
  const std::uint32_t height = file.BigU32(at + 20);
  Expect(width >= 1 && width <= 1024 && height >= 1 && height <= 1024, "PNG: side 1 to 1024");
  // The depths each colour type allows, one bit a depth.
  constexpr std::uint32_t kDepths[7] = {1u << 1 | 1u << 2 | 1u << 4 | 1u << 8 | 1u << 16,
                                        0,
                                        1u << 8 | 1u << 16,
                                        1u << 1 | 1u << 2 | 1u << 4 | 1u << 8,
                                        1u << 8 | 1u << 16,
                                        0,
                                        1u << 8 | 1u << 16};
  const std::uint32_t depth = file.Byte(at + 24);
  const std::uint32_t colour = file.Byte(at + 25);
  Expect(colour < 7 && depth < 32 && (kDepths[colour] >> depth & 1) != 0, "PNG: depth");
  Expect(file.Byte(at + 26) == 0 && file.Byte(at + 27) == 0 && file.Byte(at + 28) < 2,
         "PNG: compression, filter and interlace methods");
}

void ExpectBitmap(const File& file, std::uint64_t at, std::uint64_t size) {
  Expect(size >= 40 && file.U32(at) == 40, "bitmap: BITMAPINFOHEADER inside the image");
  const std::int64_t width = static_cast<std::int32_t>(file.U32(at + 4));
  const std::int64_t height = static_cast<std::int32_t>(file.U32(at + 8));
  const std::uint32_t bits = file.U16(at + 14);
  const std::uint32_t compression = file.U32(at + 16);
  const std::uint32_t used = file.U32(at + 32);
  Expect(width >= 1 && width <= 1024, "bitmap: width 1 to 1024");
  Expect(height >= 2 && height <= 2048, "bitmap: height (colour and mask rows) 2 to 2048");
  Expect(file.U16(at + 12) == 1, "bitmap: one plane");
  Expect(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32,
         "bitmap: bits a pixel");
  const bool masks = compression == 3;
  Expect(compression == 0 || (masks && (bits == 16 || bits == 32)), "bitmap: compression");
  std::uint64_t palette = 0;
  if (bits <= 8) {
    Expect(used <= (1u << bits), "bitmap: colours used within the depth");
    palette = used != 0 ? used : 1u << bits;
  } else {
    Expect(used <= 256, "bitmap: colours used 256 at most");
    palette = used;
  }
  const std::uint64_t rows = static_cast<std::uint64_t>(height) / 2;
  std::uint64_t needed = 40 + (masks ? 3 * 4 : 0) + 4 * palette;
  needed += rows * RowBytes(static_cast<std::uint64_t>(width) * bits);  // the colour rows
  needed += rows * RowBytes(static_cast<std::uint64_t>(width));         // the mask rows
  Expect(needed <= size, "bitmap: palette, pixels and mask inside the image's size");
}

// One image, a PNG when it starts with the PNG signature's first four bytes.
void ExpectImage(const File& file, std::uint64_t at, std::uint64_t size) {
  Expect(at + size <= file.Size(), "image inside the file");
  Expect(size >= 4, "image of four bytes at least");
  if (file.U32(at) == 0x474E5089)
    ExpectPng(file, at, size);
  else
    ExpectBitmap(file, at, size);
}

// An icon group: GRPICONDIR, then 14 bytes an image ending in the image's ID.
void ExpectGroup(const File& file, std::uint64_t at, std::uint64_t size,
                 const std::function<void(std::uint32_t)>& expectImage) {
  Expect(at + size <= file.Size(), "group inside the file");
  Expect(size >= 6 && file.U16(at) == 0 && file.U16(at + 2) == 1, "group: header");
  const std::uint32_t images = file.U16(at + 4);
  Expect(images > 0 && 6 + 14 * std::uint64_t{images} <= size, "group: entries inside it");
  for (std::uint32_t i = 0; i < images; ++i)
    expectImage(file.U16(at + 6 + 14 * i + 12));
}

void ExpectIconFile(const File& file) {
  Expect(file.U16(0) == 0 && file.U16(2) == 1, "icon file: header");
  const std::uint32_t images = file.U16(4);
  Expect(images > 0, "icon file: images");
  for (std::uint32_t i = 0; i < images; ++i) {
    const std::uint64_t entry = 6 + 16 * i;
    ExpectImage(file, file.U32(entry + 12), file.U32(entry + 8));
  }
}

// The resources of a 32- or 64-bit program, read from the file's bytes as the system reads them.
class Resources {
 public:
  explicit Resources(const File& file) : file_(file) {
    const std::uint64_t nt = file.U32(0x3C);
    sections_ = file.U16(nt + 6);
    const std::uint64_t optional = nt + 24;
    sectionTable_ = optional + file.U16(nt + 20);
    const std::uint32_t magic = file.U16(optional);
    Expect(magic == 0x10B || magic == 0x20B, "program: optional header");
    const std::uint64_t directories = optional + (magic == 0x10B ? 96 : 112);
    Expect(file.U32(directories - 4) > 2, "program: a resource directory");
    const std::uint32_t address = file.U32(directories + 2 * 8);
    Expect(address != 0, "program: resources");
    // An address within the headers is a file offset already.
    root_ = address < file.U32(optional + 60) ? address : Mapped(address);
  }

  // A relative virtual address in the file: the first section whose raw data holds it, with
  // the sum of its start and size taken in 32 bits as the system takes it.
  std::uint64_t Mapped(std::uint32_t address) const {
    for (std::uint32_t i = 0; i < sections_; ++i) {
      const std::uint64_t section = sectionTable_ + 40 * std::uint64_t{i};
      const std::uint32_t start = file_.U32(section + 12);
      const std::uint32_t end = start + file_.U32(section + 16);  // wraps at 2^32
      if (address >= start && address < end)
        return file_.U32(section + 20) + std::uint64_t{address - start};
    }
    throw Broken{"program: address in a section"};
  }

  std::uint64_t Root() const { return root_; }
  std::uint32_t Named(std::uint64_t directory) const { return file_.U16(directory + 12); }
  std::uint32_t Entries(std::uint64_t directory) const {
    return Named(directory) + file_.U16(directory + 14);
  }
  static std::uint64_t Entry(std::uint64_t directory, std::uint32_t index) {
    return directory + 16 + 8 * std::uint64_t{index};
  }
  std::uint64_t Below(std::uint64_t entry) const {
    const std::uint32_t target = file_.U32(entry + 4);
    Expect((target & 0x80000000u) != 0, "resources: a directory below the entry");
    return root_ + (target & 0x7FFFFFFFu);
  }

  // The entry of an ID as the system finds it: a binary search over the ID entries, comparing
  // their low 16 bits, whether or not they are sorted.
  std::uint64_t Find(std::uint64_t directory, std::uint32_t id) const {
    std::int64_t low = Named(directory);
    std::int64_t high = std::int64_t{Entries(directory)} - 1;
    while (low <= high) {
      const std::int64_t middle = (low + high) / 2;
      const std::uint64_t entry = Entry(directory, static_cast<std::uint32_t>(middle));
      const std::uint32_t found = file_.U16(entry);
      if (found == id)
        return entry;
      if (found < id)
        low = middle + 1;
      else
        high = middle - 1;
    }
    throw Broken{"resources: ID in its directory"};
  }

  // Every language's data of an entry: its offset in the file and its size.
  void EveryLanguage(std::uint64_t entry,
                     const std::function<void(std::uint64_t, std::uint64_t)>& expect) const {
    const std::uint64_t languages = Below(entry);
    Expect(Entries(languages) > 0, "resources: a language");
    for (std::uint32_t i = 0; i < Entries(languages); ++i) {
      const std::uint32_t target = file_.U32(Entry(languages, i) + 4);
      Expect((target & 0x80000000u) == 0, "resources: data below the language");
      const std::uint64_t data = root_ + target;
      Expect(data + 16 <= file_.Size(), "resources: data entry inside the file");
      expect(Mapped(file_.U32(data)), file_.U32(data + 4));
    }
  }

 private:
  const File& file_;
  std::uint32_t sections_ = 0;
  std::uint64_t sectionTable_ = 0;
  std::uint64_t root_ = 0;
};

void ExpectProgramIcons(const File& file, const IconSourceCheck& check) {
  const Resources resources(file);
  const std::uint64_t groups = resources.Below(resources.Find(resources.Root(), 14));
  Expect(static_cast<std::uint32_t>(check.Count()) == resources.Entries(groups),
         "program: an icon a group");
  for (std::uint32_t i = 0; i < resources.Named(groups); ++i) {
    const std::uint32_t name = file.U32(Resources::Entry(groups, i));
    Expect((name & 0x80000000u) != 0, "program: a named group's name");
    const std::uint64_t at = resources.Root() + (name & 0x7FFFFFFFu);
    Expect(at + 2 + 2 * std::uint64_t{file.U16(at)} <= file.Size(), "program: group names");
  }
  std::set<std::uint32_t> good;  // image IDs read already
  const auto expectImage = [&](std::uint32_t id) {
    if (good.count(id) != 0)
      return;
    const std::uint64_t icons = resources.Below(resources.Find(resources.Root(), 3));
    resources.EveryLanguage(resources.Find(icons, id), [&](std::uint64_t at, std::uint64_t size) {
      ExpectImage(file, at, size);
    });
    good.insert(id);
  };
  for (int i = 0; i < check.Count(); ++i) {
    if (check.Whole(i)) {
      resources.EveryLanguage(
          Resources::Entry(groups, static_cast<std::uint32_t>(i)),
          [&](std::uint64_t at, std::uint64_t size) { ExpectGroup(file, at, size, expectImage); });
    }
  }
}

// A 16-bit program: the resource table lists resources by type, 12 bytes a resource whose
// offset and length count in units of the table's alignment.
void ExpectProgram16Icons(const File& file, const IconSourceCheck& check) {
  const std::uint64_t ne = file.U32(0x3C);
  const std::uint32_t tableAt = file.U16(ne + 0x24);
  // The system reads no table whose distance to the resident names, taken unsigned, is 8 or less.
  Expect(file.U16(ne + 0x26) - tableAt > 8u, "16-bit program: a resource table");
  const std::uint64_t table = ne + tableAt;
  const std::uint32_t shift = file.U16(table);
  Expect(shift <= 15, "16-bit program: alignment");
  std::uint64_t groups = 0;
  std::uint64_t icons = 0;
  std::uint32_t groupCount = 0;
  std::uint32_t iconCount = 0;
  // The walk stops at type 0, or once both icon types are found.
  for (std::uint64_t type = table + 2; file.U16(type) != 0 && (groups == 0 || icons == 0);) {
    const std::uint32_t count = file.U16(type + 2);
    if (file.U16(type) == 0x800E) {
      groups = type + 8;
      groupCount = count;
    } else if (file.U16(type) == 0x8003) {
      icons = type + 8;
      iconCount = count;
    }
    type += 8 + 12 * std::uint64_t{count};
  }
  Expect(groups != 0 && icons != 0, "16-bit program: both icon types");
  Expect(static_cast<std::uint32_t>(check.Count()) == groupCount,
         "16-bit program: an icon a group");
  // Every icon resource of an image's ID, which carries the high bit in this table.
  const auto expectImage = [&](std::uint32_t id) {
    int found = 0;
    for (std::uint32_t i = 0; i < iconCount; ++i) {
      const std::uint64_t icon = icons + 12 * std::uint64_t{i};
      if (file.U16(icon + 6) == (id | 0x8000)) {
        ExpectImage(file, std::uint64_t{file.U16(icon)} << shift,
                    std::uint64_t{file.U16(icon + 2)} << shift);
        ++found;
      }
    }
    Expect(found > 0, "16-bit program: the image of the group");
  };
  for (int i = 0; i < check.Count(); ++i) {
    const std::uint64_t group = groups + 12 * static_cast<std::uint64_t>(i);
    if (check.Whole(i)) {
      ExpectGroup(file, std::uint64_t{file.U16(group)} << shift,
                  std::uint64_t{file.U16(group + 2)} << shift, expectImage);
    }
  }
}

// The icons the check called whole, read by the reference as the kind of file its first bytes
// make it.
void ExpectWholeIcons(const File& file, const IconSourceCheck& check) {
  if (file.U16(0) != 0x5A4D) {
    Expect(check.kind == IconSourceKind::IconFile, "an icon file");
    ExpectIconFile(file);
    return;
  }
  const std::uint64_t header = file.U32(0x3C);
  if (file.U32(header) == 0x00004550) {
    Expect(check.kind == IconSourceKind::Program, "a program");
    ExpectProgramIcons(file, check);
  } else {
    Expect(file.U16(header) == 0x454E && check.kind == IconSourceKind::Program16,
           "a 16-bit program");
    ExpectProgram16Icons(file, check);
  }
}

bool Same(const IconSourceCheck& a, const IconSourceCheck& b) {
  return a.kind == b.kind && a.sound == b.sound && a.whole == b.whole;
}

// Checks a copy of exactly `length` bytes, so that a read past them is one past a heap block.
IconSourceCheck CheckCopy(const std::uint8_t* data, std::size_t length) {
  const std::vector<std::uint8_t> copy(data, data + length);
  return CheckIconSource(copy);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IconSourceCheck check = CheckCopy(data, size);
  VELMORA_FUZZ_CHECK(Same(check, CheckCopy(data, size)));

  // A damaged file and a file of no kind hold no icons; an icon file holds one; the system
  // counts icons in 16 bits.
  if (!check.sound || check.kind == IconSourceKind::None)
    VELMORA_FUZZ_CHECK(check.Count() == 0);
  VELMORA_FUZZ_CHECK(check.Count() <= (check.kind == IconSourceKind::IconFile ? 1 : 0xFFFF));

  // Every icon called whole, read again by the reference.
  if (std::find(check.whole.begin(), check.whole.end(), true) != check.whole.end()) {
    try {
      ExpectWholeIcons(File(data, size), check);
    } catch (const Broken& broken) {
      std::fprintf(stderr, "an icon called whole breaks the rule: %s\n", broken.rule);
      std::abort();
    }
  }

  // Cut short, the file keeps its count or loses it, and no icon becomes whole.
  for (const std::size_t length : {size / 2, size - (size > 0 ? 1 : 0)}) {
    const IconSourceCheck cut = CheckCopy(data, length);
    VELMORA_FUZZ_CHECK(cut.Count() == 0 || cut.Count() == check.Count());
    for (int i = 0; i < cut.Count(); ++i)
      VELMORA_FUZZ_CHECK(!cut.Whole(i) || check.Whole(i));
  }
  return 0;
}
