#pragma once
// What the libFuzzer targets (tests/fuzz) share: their input read as fields, and the checks of
// the invariants they hold the rules to. A broken invariant aborts with its text, which libFuzzer
// records as a finding together with the input.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "base/LeadBytes.h"

#define VELMORA_FUZZ_CHECK(condition) \
  ::velmora::fuzz::Check((condition), #condition, __FILE__, __LINE__)

namespace velmora::fuzz {

inline void Check(bool holds, const char* invariant, const char* file, int line) {
  if (!holds) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, invariant);
    std::abort();
  }
}

// The input as fields separated by zero bytes, so that seeds can be written by hand
// (printf 'C:\\Dir\0name'). Fields past the last are empty.
class Fields {
 public:
  Fields(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::string_view Next() {
    const std::size_t end = rest_.find('\0');
    const std::string_view field = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    return field;
  }
  // The next field's first eight bytes as a little-endian number.
  std::uint64_t Number() {
    std::uint64_t value = 0;
    const std::string_view field = Next();
    for (std::size_t i = field.size() < 8 ? field.size() : 8; i-- > 0;)
      value = value << 8 | static_cast<unsigned char>(field[i]);
    return value;
  }
  bool Flag() { return (Number() & 1) != 0; }
  // Everything not yet taken, zero bytes included.
  std::string_view Rest() { return std::exchange(rest_, std::string_view()); }

 private:
  std::string_view rest_;
};

// A lead-byte table from a field: Shift-JIS when it is empty, else the bytes it lists from 0x81
// up, where the lead bytes of every double-byte code page lie.
inline LeadBytes LeadBytesOf(std::string_view field) {
  if (field.empty())
    return LeadBytes::ShiftJis();
  std::array<bool, 256> isLead{};
  for (char byte : field)
    isLead[static_cast<unsigned char>(byte)] = static_cast<unsigned char>(byte) >= 0x81;
  return LeadBytes(isLead);
}

// Whether `pos` is where a character of the active code page starts, or the end of the text.
inline bool IsCharStart(std::string_view text, std::size_t pos) {
  const LeadBytes& lead = LeadBytes::Active();
  std::size_t at = 0;
  while (at < pos)
    at += lead.CharLength(text, at);
  return at == pos;
}

// Whether `part` is the start of `text` and ends between two of its characters.
inline bool IsWholePrefix(std::string_view part, std::string_view text) {
  return text.substr(0, part.size()) == part && IsCharStart(text, part.size());
}

// Whether `part` is the end of `text` and begins where one of its characters begins.
inline bool IsWholeSuffix(std::string_view part, std::string_view text) {
  return part.size() <= text.size() && text.substr(text.size() - part.size()) == part &&
         IsCharStart(text, text.size() - part.size());
}

// Whether the character that starts at `pos` is the single byte `c`.
inline bool IsSingle(std::string_view text, std::size_t pos, char c) {
  return pos < text.size() && text[pos] == c && LeadBytes::Active().CharLength(text, pos) == 1;
}

// Whether the text's last character is the single byte `c`.
inline bool EndsWithSingle(std::string_view text, char c) {
  return !text.empty() && IsSingle(text, LeadBytes::Active().LastCharStart(text), c);
}

// Whether the text holds the single-byte character `c` anywhere.
inline bool HasSingle(std::string_view text, char c) {
  const LeadBytes& lead = LeadBytes::Active();
  for (std::size_t pos = 0; pos < text.size(); pos += lead.CharLength(text, pos)) {
    if (IsSingle(text, pos, c))
      return true;
  }
  return false;
}

// The text without a lead byte at its very end, which no text of the code page has: the rules
// that join texts are held to their invariants on texts, not on cut ones.
inline std::string_view WholeText(std::string_view text) {
  const LeadBytes& lead = LeadBytes::Active();
  if (!text.empty() && lead.IsLead(text.back()) && lead.LastCharStart(text) == text.size() - 1)
    text.remove_suffix(1);
  return text;
}

}  // namespace velmora::fuzz
