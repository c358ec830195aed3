#pragma once
// The settings file, read one value at a time through the private-profile functions, or a
// section read whole for several values; written whole or not at all (WholeFile.h), since the
// system's profile writer reports success for a file that a full disk cut short. Nothing is
// cached between calls.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/SettingValues.h"
#include "base/FileSystem.h"

namespace velmora {

// DirectoryOf(ExecutablePath()) + "\Velmora.ini", joined as they are.
std::string SettingsPath();
// The settings file's path for a given executable path: in a drive root, C:\Velmora.exe gives
// C:\\Velmora.ini (the root keeps its backslash and the file name brings its own).
std::string SettingsPathFor(std::string_view executablePath);

class SettingsFile {
 public:
  explicit SettingsFile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // Up to 1023 characters of the value, or the default when the key is missing.
  std::string ReadString(const char* section, const char* key, const std::string& def) const;
  // Raises Error("<path> に書き込めません。<the system's reason>", or without the reason when the
  // system gave none) when the file cannot be written; the file then stays as it was.
  void WriteString(const char* section, const char* key, const std::string& value) const;
  // Several keys of a section in one write: all of them, or none when it fails.
  void WriteValues(const char* section, std::initializer_list<SettingText> values) const;
  std::int32_t ReadInteger(const char* section, const char* key, std::int32_t def) const;
  void WriteInteger(const char* section, const char* key, std::int32_t value) const;
  bool ReadBool(const char* section, const char* key, bool def) const;
  void WriteBool(const char* section, const char* key, bool value) const;

 private:
  std::string path_;
};

// One section of the settings file, read in one call: each value read alone would open and
// check the file again. Values read as SettingsFile reads them.
class SettingsSection {
 public:
  SettingsSection(const SettingsFile& file, const char* section);
  std::int32_t ReadInteger(const char* key, std::int32_t def) const;
  bool ReadBool(const char* key, bool def) const;

 private:
  const SettingsFile& file_;
  const char* section_;
  std::vector<char> text_;
  bool whole_ = false;  // a section too long for one read is read key by key
};

}  // namespace velmora
