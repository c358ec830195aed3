#pragma once
// The block a drop handle stands for, as the shell makes it: a DROPFILES header, then the names,
// each ended by a zero, and one more zero after the last.
#include <string>
#include <vector>

namespace velmora::testing {

// Names in the system code page.
std::string DropBlock(const std::vector<std::string>& paths);
// Names in UTF-16, as the shell drops them.
std::string DropBlock(const std::vector<std::wstring>& paths);

}  // namespace velmora::testing
