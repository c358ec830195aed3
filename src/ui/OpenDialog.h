#pragma once
// The system's open-file dialog as one object that keeps its initial folder and the file chosen
// last, whose name (without its folder) it offers again the next time it opens.
#include <windows.h>
#include <string>

namespace velmora::ui {

class OpenDialog {
 public:
  // filter: "name|pattern|name|pattern..." in the system code page.
  explicit OpenDialog(std::string filter) : filter_(std::move(filter)) {}

  // A folder of MAX_PATH characters or more is not handed to the dialog: it opens in the
  // program's folder instead.
  void SetInitialDir(const std::string& folder) { initialDir_ = folder; }
  // The full path of the file chosen last.
  const std::string& FileName() const { return fileName_; }

  // Shows the dialog; true when the user chose a file that exists (up to 259 characters).
  bool Execute(HWND owner);

 private:
  std::string filter_;
  std::string initialDir_;
  std::string fileName_;
};

}  // namespace velmora::ui
