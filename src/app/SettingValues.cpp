#include "app/SettingValues.h"

namespace velmora {

namespace {

int DigitValue(char c, int base) {
  int value = 0;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  } else {
    return -1;
  }
  return value < base ? value : -1;
}

// Accumulates digits while the value stays within limit; nullopt for no digits, a stray byte or
// a value over the limit.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base, std::uint64_t limit) {
  if (digits.empty()) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = DigitValue(c, base);
    if (digit < 0) {
      return std::nullopt;
    }
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) {
      return std::nullopt;
    }
  }
  return value;
}

// Hexadecimal digits that fit in 32 bits, taken as the bit pattern of a signed value.
std::optional<std::int32_t> ParseHexPattern(std::string_view digits) {
  const auto value = ParseDigits(digits, 16, 0xFFFFFFFFu);
  if (!value) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
}

}  // namespace

std::optional<std::int32_t> ParseSettingInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    // "0x" stands for "$", which leaves only the hexadecimal form.
    return ParseHexPattern(text.substr(2));
  }

  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return std::nullopt;
  }

  if (text[0] == '$') {
    return ParseHexPattern(text.substr(1));
  }

  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  const auto magnitude = ParseDigits(text, 10, limit);
  if (!magnitude) {
    return std::nullopt;
  }
  const auto signedMagnitude = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -signedMagnitude : signedMagnitude);
}

std::string FormatSettingInteger(std::int32_t value) {
  return std::to_string(value);
}

std::string FormatSettingBool(bool value) {
  return value ? "1" : "0";
}

namespace {
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i]))
      return false;
  }
  return true;
}
}  // namespace

std::optional<std::string_view> FindSectionValue(std::string_view section, std::string_view key) {
  while (!section.empty()) {
    const std::size_t end = section.find('\0');
    const std::string_view line = section.substr(0, end);
    section = end == std::string_view::npos ? std::string_view() : section.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || !SameKey(Trimmed(line.substr(0, equals)), key))
      continue;
    std::string_view value = Trimmed(line.substr(equals + 1));
    if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return std::nullopt;
}

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// A line of the file: its text from `begin` to `end`, the next line from `next`. The profile
// functions end a line at CR, LF or both.
struct TextLine {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

TextLine LineAt(std::string_view file, std::size_t begin) {
  const std::size_t end = file.find_first_of("\r\n", begin);
  if (end == std::string_view::npos)
    return {begin, file.size(), file.size()};
  const bool crLf = file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n';
  return {begin, end, end + (crLf ? 2 : 1)};
}

// The name of a section's header line, nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::size_t close = line.rfind(']');
  if (line.empty() || line.front() != '[' || close == std::string_view::npos)
    return std::nullopt;
  return line.substr(1, close - 1);
}

void SetSettingText(std::string& file, std::string_view section, const SettingText& setting) {
  const std::string value(setting.value.substr(0, setting.value.find_first_of("\r\n")));
  const std::string_view text(file);
  std::size_t begin = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  bool inSection = false;
  std::optional<TextLine> last;  // the section's last line that is not blank
  while (begin < text.size()) {
    const TextLine line = LineAt(text, begin);
    begin = line.next;
    const std::string_view content = Trimmed(text.substr(line.begin, line.end - line.begin));
    if (content.empty())
      continue;
    if (const std::optional<std::string_view> name = SectionName(content)) {
      if (inSection)
        break;
      inSection = SameKey(*name, section);
      if (inSection)
        last = line;
      continue;
    }
    if (!inSection)
      continue;
    last = line;
    const std::size_t equals = content.find('=');
    if (!SameKey(Trimmed(content.substr(0, equals)), setting.key))
      continue;
    // The line keeps its name and spacing; only the value after them changes.
    const auto at = static_cast<std::size_t>(content.data() - text.data());
    if (equals == std::string_view::npos) {
      file.replace(at + content.size(), line.end - at - content.size(), "=" + value);
      return;
    }
    const std::size_t valueAt = text.find_first_not_of(" \t", at + equals + 1);
    const std::size_t from = valueAt < line.end ? valueAt : line.end;
    file.replace(from, line.end - from, value);
    return;
  }
  const std::string keyLine = std::string(setting.key) + "=" + value + std::string(kLineBreak);
  if (last) {
    // A last line without its break ends the file.
    file.insert(last->next, last->next == last->end ? std::string(kLineBreak) + keyLine : keyLine);
    return;
  }
  if (!file.empty() && file.back() != '\n' && file.back() != '\r')
    file += kLineBreak;
  file += "[" + std::string(section) + "]" + std::string(kLineBreak) + keyLine;
}

}  // namespace

std::optional<std::string> WithSettingTexts(std::string_view file, std::string_view section,
                                            std::span<const SettingText> values) {
  if (file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF"))
    return std::nullopt;
  std::string text(file);
  for (const SettingText& setting : values)
    SetSettingText(text, section, setting);
  return text;
}

}  // namespace velmora
