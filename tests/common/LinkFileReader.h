#pragma once
// Reads back what a shortcut file really holds: once straight from its bytes (the shell link
// binary format), so that a test does not take the shell's word for it, and once through the
// shell's own link object. Strings come back in the system code page, like the program's.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora::test {

// LinkFlags of the header.
inline constexpr std::uint32_t kHasLinkTargetIdList = 0x1;
inline constexpr std::uint32_t kHasLinkInfo = 0x2;
inline constexpr std::uint32_t kHasName = 0x4;
inline constexpr std::uint32_t kHasRelativePath = 0x8;
inline constexpr std::uint32_t kHasWorkingDir = 0x10;
inline constexpr std::uint32_t kHasArguments = 0x20;
inline constexpr std::uint32_t kHasIconLocation = 0x40;
inline constexpr std::uint32_t kIsUnicode = 0x80;

struct LinkFile {
  std::uint32_t headerSize = 0;
  std::array<std::uint8_t, 16> clsid{};
  std::uint32_t linkFlags = 0;
  std::uint32_t fileAttributes = 0;
  std::int32_t iconIndex = 0;
  std::uint32_t showCommand = 0;
  // The string data, each present only when its flag is set.
  std::optional<std::string> name;
  std::optional<std::string> relativePath;
  std::optional<std::string> workingDirectory;
  std::optional<std::string> arguments;
  std::optional<std::string> iconLocation;

  bool Has(std::uint32_t flag) const { return (linkFlags & flag) != 0; }
};

// The CLSID every shell link file carries, {00021401-0000-0000-C000-000000000046}, as stored.
const std::array<std::uint8_t, 16>& ShellLinkClsidBytes();

// Throws std::runtime_error when the file cannot be read or is cut short.
LinkFile ReadLinkFile(const std::string& path);

// The fields as the shell's link object reports them after loading the file. No show command:
// Wine's link object does not load it back and reports 1 whatever the file holds.
struct ShellLinkFields {
  std::string path;
  std::string arguments;
  std::string workingDirectory;
  std::string iconLocation;
  int iconIndex = 0;
};

// Needs COM on the calling thread; throws std::runtime_error when the shell cannot load it.
ShellLinkFields ReadThroughShell(const std::string& path);

}  // namespace velmora::test
