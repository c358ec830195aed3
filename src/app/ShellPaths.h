#pragma once
// Paths handed over by the shell, read through the wide calls, which hold every name exactly
// as the user chose it, and only then made the program's code-page text.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The path in the system code page. A character the code page lacks would turn the path into
// another one (café into cafe), so such a path raises Error naming it instead.
std::string PathInCodePage(std::wstring_view path);

// The first item of a drop, whole at any length; nullopt when the drop holds none.
std::optional<std::string> DroppedPath(HDROP drop);

// The first argument after the program's name, split by SplitCommandLine's rules.
std::optional<std::string> CommandLineArgument();

}  // namespace velmora
