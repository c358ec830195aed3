#include "ui/OpenDialog.h"

#include <commdlg.h>
#include <cstring>
#include <iterator>

#include "base/FileSystem.h"
#include "base/LeadBytes.h"
#include "base/PathRules.h"

namespace velmora::ui {

namespace {
// The dialog wants its filter as zero-separated pairs; "|" can be the second byte of a
// double-byte character, which must stay as it is.
std::string FilterForDialog(const std::string& filter) {
  std::string result = filter;
  const LeadBytes& lead = LeadBytes::Active();
  for (size_t i = 0; i < result.size(); i += lead.CharLength(result, i)) {
    if (result[i] == '|')
      result[i] = '\0';
  }
  result.append(2, '\0');
  return result;
}
// The dialog library is loaded when a dialog is first shown, not at every start of the program,
// most of which never browse. It stays loaded for the life of the process.
using GetOpenFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);
GetOpenFileNameFunction DialogFunction() {
  static const GetOpenFileNameFunction function = [] {
    HMODULE library = LoadLibraryA("comdlg32.dll");
    return library ? reinterpret_cast<GetOpenFileNameFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameA")))
                   : nullptr;
  }();
  return function;
}
}  // namespace

bool OpenDialog::Execute(HWND owner) {
  const GetOpenFileNameFunction getOpenFileName = DialogFunction();
  if (!getOpenFileName)
    return false;
  const std::string filter = FilterForDialog(filter_);
  // The last file is offered by its name only: a path in the name field would open the dialog
  // in that file's folder instead of the initial one, and Enter would choose that very file.
  char file[MAX_PATH] = {};
  const std::string lastName = FileNameOf(fileName_);
  if (lastName.size() < std::size(file))
    std::memcpy(file, lastName.c_str(), lastName.size());

  // A folder longer than any path can be makes the dialog crash (from about 940 characters).
  const std::string initialDir =
      initialDir_.size() < MAX_PATH ? initialDir_ : DirectoryOf(ExecutablePath());

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = static_cast<DWORD>(std::size(file));
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  // Only a file that is there: a name typed or offered again that names none stays in the
  // dialog, with the system's word on it, instead of becoming a target or an icon file.
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!getOpenFileName(&dialog))
    return false;
  fileName_ = file;
  return true;
}

}  // namespace velmora::ui
