#pragma once
// What the program asks the file system about the files it names.
#include <string>

namespace velmora {

// Full path of the running executable (GetModuleFileNameA), whatever its length; empty when
// the system does not give it.
std::string ExecutablePath();

// Whether anything, file or folder, exists under the path.
bool PathExists(const std::string& path);
// Whether a file (not a folder) exists under the path.
bool IsExistingFile(const std::string& path);
// Whether the system says that nothing exists under the path (file or path not found). A path
// it cannot reach now, such as a drive without its disc or a server that does not answer, is
// not missing.
bool IsMissing(const std::string& path);

}  // namespace velmora
