#include "icons/IconSource.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velmora {

namespace {

constexpr std::uint16_t kMzSignature = 0x5A4D;        // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;    // "PE\0\0"
constexpr std::uint16_t kNeSignature = 0x454E;        // "NE"
constexpr std::uint32_t kPngSignature = 0x474E5089;   // "\x89PNG", as the system tests it
constexpr std::uint32_t kDirectoryBit = 0x80000000u;  // a resource entry that is a directory
constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kGroupIconType = 14;
// A 16-bit program's resource types carry the high bit.
constexpr std::uint16_t kIconType16 = 0x8003;
constexpr std::uint16_t kGroupIconType16 = 0x800E;
// The system counts a file's icons in 16 bits.
constexpr std::uint32_t kMaxIcons = 0xFFFF;
// Bounds no real file comes near: icons are drawn at 256 pixels at most, the loader takes 96
// sections, and a 16-bit program aligns its resources to far less than 32 KB.
constexpr std::uint32_t kMaxIconSide = 1024;
constexpr std::uint32_t kMaxSections = 96;
constexpr unsigned kMaxAlignmentShift = 15;

// The bytes of the file, read little-endian; nothing outside them is ever read.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint64_t Size() const { return data_.size(); }
  bool Holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= data_.size() && length <= data_.size() - offset;
  }
  // The readers below take offsets that Holds has accepted.
  std::uint8_t U8(std::uint64_t offset) const { return data_[static_cast<std::size_t>(offset)]; }
  std::uint16_t U16(std::uint64_t offset) const {
    return static_cast<std::uint16_t>(U8(offset) | U8(offset + 1) << 8);
  }
  std::uint32_t U32(std::uint64_t offset) const {
    return U16(offset) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
  }
  std::uint32_t BigEndianU32(std::uint64_t offset) const {
    return static_cast<std::uint32_t>(U8(offset)) << 24 |
           static_cast<std::uint32_t>(U8(offset + 1)) << 16 |
           static_cast<std::uint32_t>(U8(offset + 2)) << 8 | U8(offset + 3);
  }
  // The last page of a mapped file is there whole: the system reads header fields that run past
  // the end of a file, within that page, as zeros, and so does this.
  bool InLastPage(std::uint64_t offset, std::uint64_t length) const {
    constexpr std::uint64_t kPage = 4096;
    return offset + length <= (Size() + kPage - 1) / kPage * kPage;
  }
  std::uint16_t PaddedU16(std::uint64_t offset) const {
    return static_cast<std::uint16_t>(PaddedU8(offset) | PaddedU8(offset + 1) << 8);
  }
  std::uint32_t PaddedU32(std::uint64_t offset) const {
    return PaddedU16(offset) | static_cast<std::uint32_t>(PaddedU16(offset + 2)) << 16;
  }

 private:
  std::uint8_t PaddedU8(std::uint64_t offset) const { return offset < Size() ? U8(offset) : 0; }

  std::span<const std::uint8_t> data_;
};

// What is known of the images of each resource ID, found once however many groups list them.
enum class Known : std::uint8_t { Unknown, Whole, Damaged };
using KnownImages = std::vector<Known>;
KnownImages NothingKnown() {
  return KnownImages(0x10000, Known::Unknown);
}

IconSourceCheck Damaged(IconSourceKind kind) {
  IconSourceCheck check;
  check.kind = kind;
  check.sound = false;
  return check;
}

IconSourceCheck WithoutIcons(IconSourceKind kind) {
  IconSourceCheck check;
  check.kind = kind;
  return check;
}

// A PNG image: its signature and a header chunk whose values a decoder takes.
bool SanePng(const Bytes& file, std::uint64_t offset, std::uint64_t size) {
  static constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                             '\r', '\n', 0x1A, '\n'};
  constexpr std::uint64_t kHeaderChunkEnd = 8 + 8 + 13 + 4;
  if (size < kHeaderChunkEnd)
    return false;
  for (std::size_t i = 0; i < kSignature.size(); ++i) {
    if (file.U8(offset + i) != kSignature[i])
      return false;
  }
  if (file.BigEndianU32(offset + 8) != 13 || file.BigEndianU32(offset + 12) != 0x49484452)  // IHDR
    return false;
  const std::uint32_t width = file.BigEndianU32(offset + 16);
  const std::uint32_t height = file.BigEndianU32(offset + 20);
  if (width == 0 || width > kMaxIconSide || height == 0 || height > kMaxIconSide)
    return false;
  const unsigned depth = file.U8(offset + 24);
  const unsigned colour = file.U8(offset + 25);
  bool depthFits = false;
  switch (colour) {
    case 0:  // grey
      depthFits = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
      break;
    case 3:  // palette
      depthFits = depth == 1 || depth == 2 || depth == 4 || depth == 8;
      break;
    case 2:  // RGB
    case 4:  // grey and alpha
    case 6:  // RGBA
      depthFits = depth == 8 || depth == 16;
      break;
    default:
      break;
  }
  return depthFits && file.U8(offset + 26) == 0 && file.U8(offset + 27) == 0 &&
         file.U8(offset + 28) <= 1;
}

// A device-independent bitmap as an icon stores it: a BITMAPINFOHEADER whose height counts the
// colour rows and the mask rows, its palette, the pixels and the mask, all inside `size`.
bool SaneBitmap(const Bytes& file, std::uint64_t offset, std::uint64_t size) {
  constexpr std::uint64_t kInfoHeader = 40;
  constexpr std::uint32_t kRgb = 0;
  constexpr std::uint32_t kBitFields = 3;
  if (size < kInfoHeader || file.U32(offset) != kInfoHeader)
    return false;
  const auto width = static_cast<std::int32_t>(file.U32(offset + 4));
  const auto height = static_cast<std::int32_t>(file.U32(offset + 8));
  const unsigned planes = file.U16(offset + 12);
  const unsigned bits = file.U16(offset + 14);
  const std::uint32_t compression = file.U32(offset + 16);
  const std::uint32_t coloursUsed = file.U32(offset + 32);
  if (width < 1 || static_cast<std::uint32_t>(width) > kMaxIconSide || height < 2 ||
      static_cast<std::uint32_t>(height) > 2 * kMaxIconSide || planes != 1)
    return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return false;
  const bool bitFields = compression == kBitFields;
  if (compression != kRgb && !(bitFields && (bits == 16 || bits == 32)))
    return false;
  const std::uint64_t fullPalette = bits <= 8 ? std::uint64_t{1} << bits : 0;
  if (coloursUsed > (bits <= 8 ? fullPalette : 256))
    return false;
  const std::uint64_t colours = coloursUsed != 0 ? coloursUsed : fullPalette;
  const std::uint64_t rows = static_cast<std::uint64_t>(height) / 2;
  const std::uint64_t pixelRow = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t maskRow = (static_cast<std::uint64_t>(width) + 31) / 32 * 4;
  const std::uint64_t needed =
      kInfoHeader + (bitFields ? 12 : 0) + colours * 4 + (pixelRow + maskRow) * rows;
  return needed <= size;
}

// One icon image, told PNG or bitmap by its first four bytes as the system tells them.
bool SaneImage(const Bytes& file, std::uint64_t offset, std::uint64_t size) {
  if (!file.Holds(offset, size) || size < 4)
    return false;
  return file.U32(offset) == kPngSignature ? SanePng(file, offset, size)
                                           : SaneBitmap(file, offset, size);
}

// Reading that no real file needs: directories and groups that many entries share over and over
// would make the check quadratic in the file's size.
class Budget {
 public:
  explicit Budget(std::uint64_t fileSize) : left_(16 * fileSize + 65536) {}
  bool Spend() {
    if (left_ == 0)
      return false;
    --left_;
    return true;
  }

 private:
  std::uint64_t left_;
};

// An icon group (GRPICONDIR, 6 bytes, then 14 bytes an image whose last two are the image's
// resource ID): true when it lies inside `size` and `imageWhole` accepts every image it lists.
template <typename ImageWhole>
bool GroupWhole(const Bytes& file, std::uint64_t offset, std::uint64_t size, Budget& budget,
                ImageWhole imageWhole) {
  constexpr std::uint64_t kHeader = 6;
  constexpr std::uint64_t kEntry = 14;
  if (!file.Holds(offset, size) || size < kHeader)
    return false;
  const std::uint32_t images = file.U16(offset + 4);
  if (file.U16(offset) != 0 || file.U16(offset + 2) != 1 || images == 0 ||
      kHeader + kEntry * images > size)
    return false;
  for (std::uint32_t i = 0; i < images; ++i) {
    if (!budget.Spend() || !imageWhole(file.U16(offset + kHeader + kEntry * i + 12)))
      return false;
  }
  return true;
}

// An icon file: one icon, whose images the directory lists with their sizes and offsets.
IconSourceCheck CheckIconFile(const Bytes& file) {
  constexpr std::uint64_t kHeader = 6;
  constexpr std::uint64_t kEntry = 16;
  const std::uint32_t images = file.PaddedU16(4);
  // The system finds no icon in a file with the reserved word set or no images.
  if (file.PaddedU16(0) != 0 || images == 0)
    return WithoutIcons(IconSourceKind::IconFile);
  if (!file.Holds(kHeader, kEntry * images))
    return Damaged(IconSourceKind::IconFile);
  for (std::uint32_t i = 0; i < images; ++i) {
    const std::uint64_t entry = kHeader + kEntry * i;
    if (!SaneImage(file, file.U32(entry + 12), file.U32(entry + 8)))
      return Damaged(IconSourceKind::IconFile);
  }
  IconSourceCheck check = WithoutIcons(IconSourceKind::IconFile);
  check.whole.assign(1, true);
  return check;
}

// IMAGE_RESOURCE_DIRECTORY: 16 bytes, then 8 bytes an entry, named entries first.
struct Directory {
  std::uint64_t offset = 0;
  std::uint32_t named = 0;
  std::uint32_t ids = 0;

  std::uint32_t Count() const { return named + ids; }
  std::uint64_t Entry(std::uint32_t index) const { return offset + 16 + 8 * std::uint64_t{index}; }
};

// The resources of a 32- or 64-bit program, found as the system finds them in the file's bytes
// (not as the loader would lay them out): offsets in directories count from the root directory,
// data addresses are mapped through the section table.
class ProgramResources {
 public:
  ProgramResources(const Bytes& file, std::uint64_t sectionTable, std::uint32_t sections)
      : file_(file), sectionTable_(sectionTable), sections_(sections), budget_(file.Size()) {}

  // The file offset of a relative virtual address: in the first section whose file data covers
  // it, with the system's 32-bit arithmetic.
  std::optional<std::uint64_t> FileOffset(std::uint32_t address) const {
    for (std::uint32_t i = 0; i < sections_; ++i) {
      const std::uint64_t header = sectionTable_ + 40 * std::uint64_t{i};
      const std::uint32_t start = file_.U32(header + 12);
      const std::uint32_t rawSize = file_.U32(header + 16);
      if (start <= address && static_cast<std::uint32_t>(start + rawSize) > address)
        return std::uint64_t{file_.U32(header + 20)} + (address - start);
    }
    return std::nullopt;
  }

  std::optional<Directory> ReadDirectory(std::uint64_t offset) const {
    if (!file_.Holds(offset, 16))
      return std::nullopt;
    const Directory directory{offset, file_.U16(offset + 12), file_.U16(offset + 14)};
    if (!file_.Holds(directory.Entry(0), 8 * std::uint64_t{directory.Count()}))
      return std::nullopt;
    return directory;
  }

  void SetRoot(std::uint64_t root) { root_ = root; }
  void SetIcons(const Directory& icons) { icons_ = icons; }

  // The directory an entry leads to; none when the entry is a leaf or the directory is damaged.
  std::optional<Directory> Subdirectory(std::uint64_t entry) const {
    const std::uint32_t target = file_.U32(entry + 4);
    if ((target & kDirectoryBit) == 0)
      return std::nullopt;
    return ReadDirectory(root_ + (target & ~kDirectoryBit));
  }

  // The entry with this ID, searched as the system searches it: a binary search over the ID
  // entries that compares their low 16 bits.
  std::optional<std::uint64_t> FindId(const Directory& directory, std::uint16_t id) const {
    int low = static_cast<int>(directory.named);
    int high = low + static_cast<int>(directory.ids) - 1;
    while (low <= high) {
      const int middle = (low + high) / 2;
      const std::uint64_t entry = directory.Entry(static_cast<std::uint32_t>(middle));
      const std::uint16_t found = file_.U16(entry);
      if (found == id)
        return entry;
      if (found > id)
        high = middle - 1;
      else
        low = middle + 1;
    }
    return std::nullopt;
  }

  // Named entries point at their names (a 16-bit length, then UTF-16 characters).
  bool NamesInside(const Directory& directory) const {
    for (std::uint32_t i = 0; i < directory.named; ++i) {
      const std::uint32_t name = file_.U32(directory.Entry(i));
      const std::uint64_t at = root_ + (name & ~kDirectoryBit);
      if ((name & kDirectoryBit) == 0 || !file_.Holds(at, 2) ||
          !file_.Holds(at + 2, 2 * std::uint64_t{file_.U16(at)}))
        return false;
    }
    return true;
  }

  // An icon group, in every language it comes in: the system takes the first, the resource
  // functions the user's language.
  bool IconWhole(std::uint64_t groupEntry) {
    return EveryLanguage(groupEntry, [&](std::uint64_t offset, std::uint32_t size) {
      return GroupWhole(file_, offset, size, budget_,
                        [&](std::uint16_t image) { return ImageWhole(image); });
    });
  }

 private:
  bool ImageWhole(std::uint16_t id) {
    Known& known = images_[id];
    if (known == Known::Unknown) {
      const std::optional<std::uint64_t> entry = icons_ ? FindId(*icons_, id) : std::nullopt;
      const bool whole =
          entry && EveryLanguage(*entry, [&](std::uint64_t offset, std::uint32_t size) {
            return SaneImage(file_, offset, size);
          });
      known = whole ? Known::Whole : Known::Damaged;
    }
    return known == Known::Whole;
  }

  // The language directory below `entry`: at least one entry, each a data entry inside the file
  // whose data `dataWhole` accepts.
  template <typename DataWhole>
  bool EveryLanguage(std::uint64_t entry, DataWhole dataWhole) {
    const std::optional<Directory> languages = Subdirectory(entry);
    if (!languages || languages->Count() == 0)
      return false;
    for (std::uint32_t i = 0; i < languages->Count(); ++i) {
      const std::uint32_t target = file_.U32(languages->Entry(i) + 4);
      const std::uint64_t data = root_ + target;
      if (!budget_.Spend() || (target & kDirectoryBit) != 0 || !file_.Holds(data, 16))
        return false;
      const std::optional<std::uint64_t> offset = FileOffset(file_.U32(data));
      if (!offset || !dataWhole(*offset, file_.U32(data + 4)))
        return false;
    }
    return true;
  }

  const Bytes& file_;
  std::uint64_t sectionTable_;
  std::uint32_t sections_;
  std::uint64_t root_ = 0;
  std::optional<Directory> icons_;
  KnownImages images_ = NothingKnown();
  Budget budget_;
};

// A 32- or 64-bit program: the icon groups of its resource directory, in the order they are
// listed there, named ones first.
IconSourceCheck CheckProgram(const Bytes& file, std::uint64_t header) {
  constexpr std::uint64_t kOptionalHeader = 24;
  constexpr std::uint64_t kSection = 40;
  if (!file.Holds(header, kOptionalHeader + 2))
    return Damaged(IconSourceKind::Program);
  const std::uint32_t sections = file.U16(header + 6);
  const std::uint64_t optional = header + kOptionalHeader;
  const std::uint64_t sectionTable = optional + file.U16(header + 20);
  std::uint64_t directories = 0;  // NumberOfRvaAndSizes, then the data directories
  switch (file.U16(optional)) {
    case 0x10B:
      directories = optional + 92;
      break;
    case 0x20B:
      directories = optional + 108;
      break;
    default:
      // The system reads no resources behind an optional header it does not know.
      return WithoutIcons(IconSourceKind::Program);
  }
  constexpr std::uint64_t kResourceDirectory = 4 + 8 * 2;
  if (!file.Holds(optional, 64) || !file.Holds(directories, kResourceDirectory + 8))
    return Damaged(IconSourceKind::Program);
  const std::uint32_t address = file.U32(directories + kResourceDirectory);
  if (file.U32(directories) <= 2 || address == 0)
    return WithoutIcons(IconSourceKind::Program);
  if (sections > kMaxSections || !file.Holds(sectionTable, kSection * sections))
    return Damaged(IconSourceKind::Program);

  ProgramResources resources(file, sectionTable, sections);
  // An address inside the headers is taken as a file offset.
  const std::optional<std::uint64_t> root =
      address < file.U32(optional + 60) ? address : resources.FileOffset(address);
  if (!root)
    return WithoutIcons(IconSourceKind::Program);
  resources.SetRoot(*root);
  const std::optional<Directory> types = resources.ReadDirectory(*root);
  if (!types)
    return Damaged(IconSourceKind::Program);
  const std::optional<std::uint64_t> groupType = resources.FindId(*types, kGroupIconType);
  if (!groupType)
    return WithoutIcons(IconSourceKind::Program);
  const std::optional<Directory> groups = resources.Subdirectory(*groupType);
  if (!groups || groups->Count() > kMaxIcons || !resources.NamesInside(*groups))
    return Damaged(IconSourceKind::Program);
  if (const std::optional<std::uint64_t> iconType = resources.FindId(*types, kIconType)) {
    const std::optional<Directory> icons = resources.Subdirectory(*iconType);
    if (!icons)
      return Damaged(IconSourceKind::Program);
    resources.SetIcons(*icons);
  }
  IconSourceCheck check = WithoutIcons(IconSourceKind::Program);
  check.whole.resize(groups->Count());
  for (std::uint32_t i = 0; i < groups->Count(); ++i)
    check.whole[i] = resources.IconWhole(groups->Entry(i));
  return check;
}

// A 16-bit program: its resource table lists resources by type, 12 bytes a resource whose
// offset and length count in units of the table's alignment.
IconSourceCheck CheckProgram16(const Bytes& file, std::uint64_t header) {
  constexpr std::uint64_t kHeader = 64;
  constexpr std::uint64_t kType = 8;
  constexpr std::uint64_t kResource = 12;
  if (!file.Holds(header, kHeader))
    return Damaged(IconSourceKind::Program16);
  const std::uint16_t tableAt = file.U16(header + 0x24);
  const std::uint16_t residentNamesAt = file.U16(header + 0x26);
  // The system takes a table this short for none; it compares the gap as an unsigned size, so a
  // table that starts after the resident names is read all the same.
  const int gap = static_cast<int>(residentNamesAt) - static_cast<int>(tableAt);
  if (gap >= 0 && gap <= static_cast<int>(kType))
    return WithoutIcons(IconSourceKind::Program16);
  const std::uint64_t table = header + tableAt;
  if (!file.Holds(table, 2))
    return Damaged(IconSourceKind::Program16);
  const unsigned shift = file.U16(table);

  // The system walks the types until both icon types are found or a type 0 ends the table.
  std::optional<std::uint64_t> groups;
  std::optional<std::uint64_t> icons;
  std::uint32_t groupCount = 0;
  std::uint32_t iconCount = 0;
  for (std::uint64_t type = table + 2;;) {
    if (!file.Holds(type, 2))
      return Damaged(IconSourceKind::Program16);
    const std::uint16_t id = file.U16(type);
    if (id == 0 || (groups && icons))
      break;
    if (!file.Holds(type, kType))
      return Damaged(IconSourceKind::Program16);
    const std::uint32_t count = file.U16(type + 2);
    if (!file.Holds(type + kType, kResource * count))
      return Damaged(IconSourceKind::Program16);
    if (id == kGroupIconType16) {
      groups = type + kType;
      groupCount = count;
    }
    if (id == kIconType16) {
      icons = type + kType;
      iconCount = count;
    }
    type += kType + kResource * count;
  }
  if (!groups || !icons)
    return WithoutIcons(IconSourceKind::Program16);
  if (shift > kMaxAlignmentShift)
    return Damaged(IconSourceKind::Program16);

  const auto offsetOf = [&](std::uint64_t resource) {
    return std::uint64_t{file.U16(resource)} << shift;
  };
  const auto sizeOf = [&](std::uint64_t resource) {
    return std::uint64_t{file.U16(resource + 2)} << shift;
  };
  // An image ID (with the high bit that 16-bit IDs carry) is whole when every icon resource of
  // that ID is: the system takes the last of them.
  KnownImages images = NothingKnown();
  for (std::uint32_t i = 0; i < iconCount; ++i) {
    const std::uint64_t resource = *icons + kResource * i;
    Known& known = images[file.U16(resource + 6)];
    if (known != Known::Damaged)
      known = SaneImage(file, offsetOf(resource), sizeOf(resource)) ? Known::Whole : Known::Damaged;
  }
  Budget budget(file.Size());
  IconSourceCheck check = WithoutIcons(IconSourceKind::Program16);
  check.whole.resize(groupCount);
  for (std::uint32_t i = 0; i < groupCount; ++i) {
    const std::uint64_t resource = *groups + kResource * i;
    check.whole[i] =
        GroupWhole(file, offsetOf(resource), sizeOf(resource), budget,
                   [&](std::uint16_t image) { return images[image | 0x8000] == Known::Whole; });
  }
  return check;
}

}  // namespace

bool IconSourceCheck::AllWhole() const {
  return std::find(whole.begin(), whole.end(), false) == whole.end();
}

IconSourceCheck CheckIconSource(std::span<const std::uint8_t> bytes) {
  const Bytes file(bytes);
  // An empty file cannot be mapped: the system reads nothing of it.
  if (file.Size() == 0)
    return {};
  if (file.PaddedU16(0) != kMzSignature) {
    // An icon file's type word sits where a program's header has its second field.
    return file.PaddedU16(2) == 1 ? CheckIconFile(file) : IconSourceCheck{};
  }
  const std::uint32_t header = file.PaddedU32(0x3C);
  if (header >= file.Size())
    return {};
  if (!file.InLastPage(header, 4))
    return Damaged(IconSourceKind::None);
  if (file.PaddedU32(header) == kPeSignature)
    return CheckProgram(file, header);
  if (file.PaddedU16(header) == kNeSignature)
    return CheckProgram16(file, header);
  return {};
}

}  // namespace velmora
