#pragma once
// Paths handed over by the shell, read through the wide calls, which hold every name exactly
// as the user chose it, and only then made the program's code-page text.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The path in the system code page. A character the code page lacks would turn the path into
// another one (café into cafe), so such a path raises Error naming it instead.
std::string PathInCodePage(std::wstring_view path);

// Every item of a drop, in order, each whole at any length.
std::vector<std::wstring> DroppedPaths(HDROP drop);

// Every argument after the program's name, split by SplitCommandLine's rules.
std::vector<std::wstring> CommandLineArguments();

}  // namespace velmora
