#include "LinkFileReader.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "base/ComPtr.h"

namespace velmora::test {
namespace {

constexpr std::size_t kHeaderSize = 0x4C;

// Reads little-endian fields from the file's bytes, refusing to go past their end.
class Cursor {
 public:
  explicit Cursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }

  void Skip(std::size_t count) {
    Require(count);
    position_ += count;
  }
  std::uint16_t U16() {
    Require(2);
    const std::uint16_t value =
        static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
    position_ += 2;
    return value;
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | (static_cast<std::uint32_t>(U16()) << 16);
  }
  const std::uint8_t* Take(std::size_t count) {
    Require(count);
    const std::uint8_t* start = bytes_.data() + position_;
    position_ += count;
    return start;
  }

 private:
  void Require(std::size_t count) const {
    if (count > bytes_.size() - position_)
      throw std::runtime_error("link file cut short");
  }

  const std::vector<std::uint8_t>& bytes_;
  std::size_t position_ = 0;
};

std::string FromWide(const wchar_t* text, int length) {
  if (length == 0)
    return {};
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, &lossy);
  std::string result(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size <= 0 ||
      WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, &lossy) != size ||
      lossy) {
    throw std::runtime_error("link string not in the system code page");
  }
  return result;
}

// A counted string of the StringData section: UTF-16LE or system code page bytes.
std::string CountedString(Cursor& cursor, bool unicode) {
  const std::size_t count = cursor.U16();
  if (!unicode) {
    const std::uint8_t* bytes = cursor.Take(count);
    return std::string(reinterpret_cast<const char*>(bytes), count);
  }
  const std::uint8_t* bytes = cursor.Take(count * 2);
  std::wstring wide(count, L'\0');
  for (std::size_t i = 0; i < count; ++i) {
    wide[i] = static_cast<wchar_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return FromWide(wide.data(), static_cast<int>(wide.size()));
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot open " + path);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

std::wstring ToWide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(),
                                       static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size <= 0 ||
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                          result.data(), size) != size) {
    throw std::runtime_error("path not in the system code page");
  }
  return result;
}

void Check(HRESULT result, const char* what) {
  if (FAILED(result))
    throw std::runtime_error(what);
}

}  // namespace

const std::array<std::uint8_t, 16>& ShellLinkClsidBytes() {
  static const std::array<std::uint8_t, 16> clsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00,
                                                     0x00, 0x00, 0xC0, 0x00, 0x00, 0x00,
                                                     0x00, 0x00, 0x00, 0x46};
  return clsid;
}

LinkFile ReadLinkFile(const std::string& path) {
  const std::vector<std::uint8_t> bytes = FileBytes(path);
  Cursor cursor(bytes);
  LinkFile link;
  link.headerSize = cursor.U32();
  const std::uint8_t* clsid = cursor.Take(link.clsid.size());
  std::copy(clsid, clsid + link.clsid.size(), link.clsid.begin());
  link.linkFlags = cursor.U32();
  link.fileAttributes = cursor.U32();
  cursor.Skip(0x38 - cursor.Position());  // three file times and the file size
  link.iconIndex = static_cast<std::int32_t>(cursor.U32());
  link.showCommand = cursor.U32();
  cursor.Skip(kHeaderSize - cursor.Position());  // hot key and reserved fields
  if (link.headerSize != kHeaderSize)
    return link;

  if (link.Has(kHasLinkTargetIdList))
    cursor.Skip(cursor.U16());
  if (link.Has(kHasLinkInfo)) {
    // The size counts its own four bytes.
    const std::uint32_t size = cursor.U32();
    if (size < 4)
      throw std::runtime_error("bad LinkInfo size");
    cursor.Skip(size - 4);
  }
  const bool unicode = link.Has(kIsUnicode);
  const std::pair<std::uint32_t, std::optional<std::string>*> strings[] = {
      {kHasName, &link.name},
      {kHasRelativePath, &link.relativePath},
      {kHasWorkingDir, &link.workingDirectory},
      {kHasArguments, &link.arguments},
      {kHasIconLocation, &link.iconLocation},
  };
  for (const auto& [flag, field] : strings) {
    if (!link.Has(flag))
      continue;
    std::string value = CountedString(cursor, unicode);
    // Wine counts a terminating NUL into the string; the format has none. Read both alike.
    if (!value.empty() && value.back() == '\0')
      value.pop_back();
    *field = std::move(value);
  }
  return link;
}

ShellLinkFields ReadThroughShell(const std::string& path) {
  ComPtr<IShellLinkA> link;
  Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                         link.PutVoid()),
        "no shell link object");
  ComPtr<IPersistFile> file;
  Check(link->QueryInterface(IID_IPersistFile, file.PutVoid()), "no IPersistFile");
  Check(file->Load(ToWide(path).c_str(), STGM_READ), "the shell cannot load the link");

  ShellLinkFields fields;
  char buffer[INFOTIPSIZE + 1] = {};
  Check(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH), "GetPath");
  fields.path = buffer;
  buffer[0] = '\0';
  Check(link->GetArguments(buffer, INFOTIPSIZE), "GetArguments");
  fields.arguments = buffer;
  buffer[0] = '\0';
  Check(link->GetWorkingDirectory(buffer, MAX_PATH), "GetWorkingDirectory");
  fields.workingDirectory = buffer;
  buffer[0] = '\0';
  Check(link->GetIconLocation(buffer, MAX_PATH, &fields.iconIndex), "GetIconLocation");
  fields.iconLocation = buffer;
  return fields;
}

}  // namespace velmora::test
