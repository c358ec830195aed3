#pragma once
// Double-byte awareness for byte strings in the system ANSI code page. A backslash or colon
// byte that is the second byte of a double-byte character is never a separator.
#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

class LeadBytes {
 public:
  // No lead bytes: every byte is a character of its own.
  LeadBytes() = default;
  explicit LeadBytes(const std::array<bool, 256>& isLead) : isLead_(isLead) {}

  // The lead bytes of Shift-JIS (code page 932): 0x81-0x9F and 0xE0-0xFC.
  static const LeadBytes& ShiftJis();
  // The table the path rules use; Shift-JIS until the program installs the system's own.
  static const LeadBytes& Active();
  static void SetActive(const LeadBytes& table);

  bool IsLead(unsigned char byte) const { return isLead_[byte]; }
  bool IsLead(char byte) const { return isLead_[static_cast<unsigned char>(byte)]; }

  // Length of the character that starts at pos: 2 for a lead byte followed by another byte,
  // else 1 (a lead byte at the very end of the text counts as one byte of its own).
  std::size_t CharLength(std::string_view text, std::size_t pos) const;
  // Start of the last character of text; npos for empty text.
  std::size_t LastCharStart(std::string_view text) const;

 private:
  std::array<bool, 256> isLead_{};
};

}  // namespace velmora
