#include "app/CommandLine.h"

#include <type_traits>
#include <utility>

#include "base/LeadBytes.h"

namespace velmora {

namespace {

template <typename Char>
bool IsBlank(Char character) {
  return static_cast<std::make_unsigned_t<Char>>(character) <= ' ';
}

// `charLength(text, pos)` is the length of the character that starts at pos: a double-byte
// character is taken whole, so that its second byte is never read as a blank or a quote.
template <typename Char, typename CharLength>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> commandLine,
                                           CharLength charLength) {
  // The command line is a C string: nothing after a zero belongs to it.
  commandLine = commandLine.substr(0, commandLine.find(Char{0}));
  const std::size_t size = commandLine.size();
  const Char quote = '"';

  std::vector<std::basic_string<Char>> arguments;
  std::size_t pos = 0;
  for (;;) {
    for (;;) {
      while (pos < size && IsBlank(commandLine[pos])) {
        ++pos;
      }
      if (size - pos >= 2 && commandLine[pos] == quote && commandLine[pos + 1] == quote) {
        pos += 2;
      } else {
        break;
      }
    }
    if (pos == size) {
      return arguments;
    }

    std::basic_string<Char> argument;
    bool quoted = false;
    while (pos < size && (quoted || !IsBlank(commandLine[pos]))) {
      if (commandLine[pos] == quote) {
        quoted = !quoted;
        ++pos;
        continue;
      }
      const std::size_t length = charLength(commandLine, pos);
      argument.append(commandLine.substr(pos, length));
      pos += length;
    }
    // Only a lone quote at the very end leaves an argument empty; it is not an argument.
    if (argument.empty()) {
      return arguments;
    }
    arguments.push_back(std::move(argument));
  }
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  const LeadBytes& lead = LeadBytes::Active();
  return Split(commandLine, [&lead](std::string_view text, std::size_t pos) {
    return lead.CharLength(text, pos);
  });
}

std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine) {
  return Split(commandLine, [](std::wstring_view, std::size_t) { return std::size_t{1}; });
}

}  // namespace velmora
