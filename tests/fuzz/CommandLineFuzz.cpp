// The command line: any bytes split into arguments that are never empty, that a line joined from
// them splits into again, and that the UTF-16 rules split alike.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "FuzzChecks.h"
#include "app/CommandLine.h"

namespace {

// Arguments joined by one blank each; a blank inside an argument gets quotes of its own, which
// keeps every other byte where it was (a quote after a lone lead byte would join it).
template <typename Char>
std::basic_string<Char> Joined(const std::vector<std::basic_string<Char>>& arguments) {
  std::basic_string<Char> line;
  for (const auto& argument : arguments) {
    if (!line.empty())
      line += Char(' ');
    for (std::size_t pos = 0; pos < argument.size();) {
      std::size_t length = 1;
      if constexpr (sizeof(Char) == 1)
        length = velmora::LeadBytes::Active().CharLength(argument, pos);
      if (length == 1 && static_cast<std::make_unsigned_t<Char>>(argument[pos]) <= ' ') {
        line += Char('"');
        line += argument[pos];
        line += Char('"');
      } else {
        line.append(argument, pos, length);
      }
      pos += length;
    }
  }
  return line;
}

template <typename Char>
void CheckArguments(const std::vector<std::basic_string<Char>>& arguments) {
  for (const auto& argument : arguments) {
    VELMORA_FUZZ_CHECK(!argument.empty());
    VELMORA_FUZZ_CHECK(argument.find(Char(0)) == std::basic_string<Char>::npos);
    if constexpr (sizeof(Char) > 1)
      VELMORA_FUZZ_CHECK(argument.find(Char('"')) == std::basic_string<Char>::npos);
  }
  VELMORA_FUZZ_CHECK(velmora::SplitCommandLine(std::basic_string_view<Char>(Joined(arguments))) ==
                     arguments);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> arguments = velmora::SplitCommandLine(line);
  CheckArguments(arguments);
  // A quote survives only as the second byte of a double-byte character.
  for (const std::string& argument : arguments)
    VELMORA_FUZZ_CHECK(!velmora::fuzz::HasSingle(argument, '"'));

  // The same bytes as UTF-16 code units, and, where every byte is ASCII, as characters.
  std::wstring wide;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    wide += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  CheckArguments(velmora::SplitCommandLine(std::wstring_view(wide)));
  bool ascii = true;
  for (std::size_t i = 0; i < size; ++i)
    ascii = ascii && data[i] < 0x80;
  if (ascii) {
    const std::vector<std::wstring> wideArguments =
        velmora::SplitCommandLine(std::wstring_view(std::wstring(line.begin(), line.end())));
    VELMORA_FUZZ_CHECK(wideArguments.size() == arguments.size());
    for (std::size_t i = 0; i < arguments.size() && i < wideArguments.size(); ++i) {
      VELMORA_FUZZ_CHECK(wideArguments[i] ==
                         std::wstring(arguments[i].begin(), arguments[i].end()));
    }
  }
  return 0;
}
