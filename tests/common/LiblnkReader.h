#pragma once
// Reads a shortcut file with liblnk (Debian's python3-liblnk), a reader that owes nothing to
// Windows or to this project: a link that the shell and the project's own reader both take the
// same wrong way still shows. The tests run under Wine, which starts the Linux Python as it
// starts a Windows program when it is given one by its Z: path.
#include <string>

namespace velmora::test {

// Fields as liblnk reads them, in the system code page; an absent one is empty.
struct LiblnkFields {
  std::string target;  // the local path of the link's location information
  std::string arguments;
  std::string workingDirectory;
  std::string iconLocation;
};

// Throws std::runtime_error, with the reader's own words, when liblnk cannot be run (not under
// Wine, python3-liblnk not installed) or cannot read the file: never a silent pass.
LiblnkFields ReadWithLiblnk(const std::string& path);

// Expects liblnk to read the link's target, arguments, working directory and icon location as
// the shell's link object and the project's reader do. The show command is left to the
// project's reader: liblnk's is not reliable.
void ExpectLiblnkReadsAlike(const std::string& path);

}  // namespace velmora::test
