#include "app/SettingsFile.h"

#include <windows.h>

#include "app/SettingsTexts.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "base/SystemMessage.h"
#include "base/WholeFile.h"

namespace velmora {

namespace {

// The profile functions hand back at most this many characters, the closing zero included.
constexpr DWORD kValueBufferSize = 1024;
// A section read first takes this much, which holds the program's own section many times over;
// only a longer one is read again into the most a section read hands back.
constexpr DWORD kFirstSectionBufferSize = 1024;
constexpr DWORD kSectionBufferSize = 32767;

// "<path> に書き込めません", with the system's reason when it gave one (SystemMessage drops its
// closing full stop: the report adds its own).
std::string CannotWriteText(const std::string& path, unsigned long code) {
  const std::string reason = code == 0 ? std::string() : SystemMessage(code);
  return reason.empty() ? FormatText(text::kCannotWrite, path)
                        : FormatText(text::kCannotWriteBecause, path) + reason;
}

}  // namespace

std::string SettingsPathFor(std::string_view executablePath) {
  return DirectoryOf(executablePath) + text::kSettingsFileName;
}

std::string SettingsPath() {
  return SettingsPathFor(ExecutablePath());
}

std::string SettingsFile::ReadString(const char* section, const char* key,
                                     const std::string& def) const {
  char buffer[kValueBufferSize];
  const DWORD length =
      GetPrivateProfileStringA(section, key, def.c_str(), buffer, kValueBufferSize, path_.c_str());
  return std::string(buffer, length < kValueBufferSize ? length : kValueBufferSize - 1);
}

void SettingsFile::WriteString(const char* section, const char* key,
                               const std::string& value) const {
  WriteValues(section, {{key, value}});
}

void SettingsFile::WriteValues(const char* section,
                               std::initializer_list<SettingText> values) const {
  try {
    const std::optional<std::string> old = ReadFileBytes(path_);
    const std::optional<std::string> text = WithSettingTexts(
        old.value_or(std::string()), section, std::span(values.begin(), values.size()));
    if (!text)
      throw FileError(0);
    if (old == text)
      return;
    WriteFileBytes(path_, *text);
  } catch (const FileError& error) {
    throw Error(CannotWriteText(path_, error.Code()));
  }
  // The profile functions may hold the file's old text; this makes them read it again.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

std::int32_t SettingsFile::ReadInteger(const char* section, const char* key,
                                       std::int32_t def) const {
  return ParseSettingInteger(ReadString(section, key, std::string())).value_or(def);
}

void SettingsFile::WriteInteger(const char* section, const char* key, std::int32_t value) const {
  WriteString(section, key, FormatSettingInteger(value));
}

bool SettingsFile::ReadBool(const char* section, const char* key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void SettingsFile::WriteBool(const char* section, const char* key, bool value) const {
  WriteString(section, key, FormatSettingBool(value));
}

SettingsSection::SettingsSection(const SettingsFile& file, const char* section)
    : file_(file), section_(section) {
  // The call answers size - 2 when the section does not fit.
  for (const DWORD size : {kFirstSectionBufferSize, kSectionBufferSize}) {
    text_.resize(size);
    const DWORD length =
        GetPrivateProfileSectionA(section, text_.data(), size, file.Path().c_str());
    whole_ = length < size - 2;
    if (whole_) {
      text_.resize(length);
      return;
    }
  }
  text_.clear();
}

std::int32_t SettingsSection::ReadInteger(const char* key, std::int32_t def) const {
  if (!whole_)
    return file_.ReadInteger(section_, key, def);
  const std::optional<std::string_view> value =
      FindSectionValue(std::string_view(text_.data(), text_.size()), key);
  return value ? ParseSettingInteger(*value).value_or(def) : def;
}

bool SettingsSection::ReadBool(const char* key, bool def) const {
  return ReadInteger(key, def ? 1 : 0) != 0;
}

}  // namespace velmora
