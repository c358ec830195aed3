#include "base/LeadBytes.h"

namespace velmora {

namespace {

std::array<bool, 256> ShiftJisTable() {
  std::array<bool, 256> isLead{};
  for (std::size_t byte = 0x81; byte <= 0x9F; ++byte) {
    isLead[byte] = true;
  }
  for (std::size_t byte = 0xE0; byte <= 0xFC; ++byte) {
    isLead[byte] = true;
  }
  return isLead;
}

// Function-local statics: the tables are ready whatever order other translation units'
// initialisers run in.
LeadBytes& ActiveTable() {
  static LeadBytes active = LeadBytes::ShiftJis();
  return active;
}

}  // namespace

const LeadBytes& LeadBytes::ShiftJis() {
  static const LeadBytes shiftJis(ShiftJisTable());
  return shiftJis;
}

const LeadBytes& LeadBytes::Active() {
  return ActiveTable();
}

void LeadBytes::SetActive(const LeadBytes& table) {
  ActiveTable() = table;
}

std::size_t LeadBytes::CharLength(std::string_view text, std::size_t pos) const {
  if (pos < text.size() && text.size() - pos >= 2 && IsLead(text[pos])) {
    return 2;
  }
  return 1;
}

std::size_t LeadBytes::LastCharStart(std::string_view text) const {
  // A trail byte may look like a lead byte, so character starts are only known going forward.
  std::size_t last = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    last = pos;
  }
  return last;
}

}  // namespace velmora
