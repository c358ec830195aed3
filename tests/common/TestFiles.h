#pragma once
// Real files and folders for the Windows and whole-program tests: scratch folders, files made
// and read back, trees removed, and wide literals as the system code page's bytes.
#include <string>
#include <vector>

namespace velmora::testing {

// A wide literal as the system code page's bytes.
std::string Acp(const std::wstring& text);

// The long form of the temporary folder, without its closing backslash.
std::string TempFolder();
std::string CurrentFolder();
// The folder of the running test program.
std::string TestProgramFolder();
// A file made for the tests at build time, next to the test programs (tests/fixtures).
std::string FixturePath(const std::string& name);

bool Exists(const std::string& path);
void MakeFolder(const std::string& path);
void MakeFile(const std::string& path, const std::string& contents = std::string());
std::string ReadWholeFile(const std::string& path);
// The names in a folder, without "." and "..", in the order the system lists them.
std::vector<std::string> FolderEntries(const std::string& folder);
// Removes a file, or a folder with everything in it.
void RemoveTree(const std::string& path);

// A special folder of this process's user, such as CSIDL_DESKTOPDIRECTORY or CSIDL_SENDTO,
// found another way than the program's own lookup; made when it does not exist yet.
std::string SpecialFolder(int csidl);

// A fresh folder under the temporary folder, with its long name in stored case, removed with
// everything in it at the end. The process's current folder is put back too, since the code
// under test moves it.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix = "VelmoraTest");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string savedCurrent_;
  std::string path_;
};

}  // namespace velmora::testing
