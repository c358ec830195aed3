#pragma once
// Splitting of the process command line, the program's name included as element 0.
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Arguments are split at blanks (any byte up to and including the space) outside double
// quotes; a quoted stretch may hold blanks and the quotes are dropped; an empty pair of quotes
// where an argument would begin is skipped. Not the C runtime's rules.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The same rules over the UTF-16 command line, which holds every name exactly as it was given.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

}  // namespace velmora
