#pragma once
// How a shortcut's fields and file name are derived from its arguments.
#include <string>
#include <string_view>

namespace velmora {

// Working directory stored in a link: the target path up to and including its last "\" or ":"
// (double-byte aware); empty when there is none. C:\Tools\edit.exe gives C:\Tools\.
std::string LinkWorkingDirectory(std::string_view targetPath);

// folder + "\" + name + ("へのショートカット.lnk" or ".lnk"), with one backslash between folder
// and name also when the folder ends in one (a drive's root: C:\ gives C:\name.lnk). The name is
// used unchanged.
std::string LinkFileName(std::string_view folder, std::string_view name, bool addSuffix);

// The report of a link that was not written: "<file> を作成できません", followed by the system's
// reason when there is one ("<file> を作成できません。<reason>").
std::string CannotCreateText(const std::string& fileName, std::string_view reason);

}  // namespace velmora
