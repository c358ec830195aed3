#include "app/CommandLine.h"

#include <utility>

#include "base/LeadBytes.h"

namespace velmora {

namespace {

bool IsBlank(char byte) {
  return static_cast<unsigned char>(byte) <= ' ';
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  // The command line is a C string: nothing after a zero byte belongs to it.
  commandLine = commandLine.substr(0, commandLine.find('\0'));
  const LeadBytes& lead = LeadBytes::Active();
  const std::size_t size = commandLine.size();

  std::vector<std::string> arguments;
  std::size_t pos = 0;
  for (;;) {
    for (;;) {
      while (pos < size && IsBlank(commandLine[pos])) {
        ++pos;
      }
      if (size - pos >= 2 && commandLine[pos] == '"' && commandLine[pos + 1] == '"') {
        pos += 2;
      } else {
        break;
      }
    }
    if (pos == size) {
      return arguments;
    }

    std::string argument;
    bool quoted = false;
    while (pos < size && (quoted || !IsBlank(commandLine[pos]))) {
      if (commandLine[pos] == '"') {
        quoted = !quoted;
        ++pos;
        continue;
      }
      // A double-byte character is taken whole, so that its second byte is never read as a
      // blank or a quote.
      const std::size_t length = lead.CharLength(commandLine, pos);
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

}  // namespace velmora
