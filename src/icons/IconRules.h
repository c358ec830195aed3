#pragma once
// Window-free rules of the icon choice.
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The file extension of a path: from the last "." after the last "\" or ":", dot included, with
// its ASCII letters lower-cased; empty when the file name has none. Double-byte aware.
std::string LowerExtension(std::string_view path);

// Where the preview of a file comes from: a program's first stored icon, or the icon the shell
// shows for any other file.
enum class PreviewSource { FirstStoredIcon, ShellIcon };
PreviewSource PreviewSourceFor(std::string_view path);

// Whether an answer of ExtractIconA for `index` is an icon handle. It is not when it is null,
// when it is 1 (the file holds no icons because it is no program, library or icon file), or
// when the index is negative (the answer is then the file's icon count).
bool IsIconHandle(int index, std::uintptr_t answer);

}  // namespace velmora
