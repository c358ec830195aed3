#include "shortcut/ShortcutWriter.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <climits>
#include <cstdint>
#include <string_view>

#include "base/Texts.h"
#include "shortcut/ShortcutTexts.h"
#include "shortcut/LinkNaming.h"
#include "base/ComPtr.h"
#include "base/Error.h"
#include "ui/ErrorReport.h"
#include "base/ErrorText.h"
#include "base/WideText.h"
#include "folders/Destinations.h"

namespace velmora {
namespace {

// The item-ID list of a special-folder lookup, freed through the shell's allocator that
// handed it out. The allocator must outlive this holder.
class ItemIdList {
 public:
  explicit ItemIdList(IMalloc& allocator) noexcept : allocator_(allocator) {}
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  ~ItemIdList() {
    if (list_ != nullptr)
      allocator_.Free(list_);
  }

  PIDLIST_ABSOLUTE Get() const noexcept { return list_; }
  PIDLIST_ABSOLUTE* Put() noexcept { return &list_; }

 private:
  IMalloc& allocator_;
  PIDLIST_ABSOLUTE list_ = nullptr;
};

// The system's own words for a failed COM call, or "OLE ｴﾗｰ %.8x" when it has none.
std::string ComErrorText(HRESULT code) {
  std::string message = ui::SystemMessage(static_cast<DWORD>(code));
  return message.empty() ? OleErrorText(static_cast<std::uint32_t>(code)) : message;
}

std::string SpecialFolderPath(int folderNumber) {
  ComPtr<IMalloc> allocator;
  if (FAILED(SHGetMalloc(allocator.Put())) || !allocator)
    throw Error(text::kNoDestinationFolder);
  ItemIdList folder(*allocator.Get());
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folderNumber, folder.Put())) ||
      folder.Get() == nullptr) {
    throw Error(text::kNoDestinationFolder);
  }
  // SHGetPathFromIDListA writes at most MAX_PATH bytes with the terminator, so the last byte
  // stays a terminator whatever it returns.
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(folder.Get(), path))
    throw Error(text::kNoDestinationFolder);
  return path;
}

// The save call is the only one that takes UTF-16. Bytes that are not valid in the code page
// would turn into some other file name, so they stop the write instead.
std::wstring SaveName(const std::string& fileName) {
  std::optional<std::wstring> wide = ToWide(fileName, true);
  if (!wide)
    throw Error(FormatText(text::kNotCodePageText, fileName));
  return std::move(*wide);
}

}  // namespace

void WriteShortcut(const ShortcutRequest& request) {
  ComPtr<IUnknown> object;
  const HRESULT created =
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                       IID_IUnknown, object.PutVoid());
  if (FAILED(created))
    throw Error(ComErrorText(created));

  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (!object || FAILED(object->QueryInterface(IID_IShellLinkA, link.PutVoid())) || !link ||
      FAILED(object->QueryInterface(IID_IPersistFile, file.PutVoid())) || !file) {
    throw Error(text::kInterfaceNotSupported);
  }

  const std::string fileName = ShortcutFileName(request);

  // What the link object makes of these values is its own affair; a value it refuses shows
  // only in the link it saves.
  const std::string workingDirectory = LinkWorkingDirectory(request.targetPath);
  link->SetPath(request.targetPath.c_str());
  link->SetArguments(request.arguments.c_str());
  link->SetWorkingDirectory(workingDirectory.c_str());
  link->SetShowCmd(request.showCommand);
  link->SetIconLocation(request.iconFile.c_str(), request.iconIndex);

  const std::wstring saveName = SaveName(fileName);
  // A NUL would end the name early and save the link under another name. The message names the
  // file as far as any text of the system code page can show it.
  if (saveName.find(L'\0') != std::wstring::npos || file->Save(saveName.c_str(), FALSE) != S_OK) {
    throw Error(FormatText(text::kCannotCreate, fileName.c_str()));
  }
}

std::string ShortcutFileName(const ShortcutRequest& request) {
  // The picker destinations never use the special folder, so its lookup must not stop them.
  const std::string folder = destination::IsPickerFolder(request.destinationIndex)
                                 ? request.pickerDirectory
                                 : SpecialFolderPath(request.folderNumber);
  return LinkFileName(folder, request.shortcutName, request.addSuffix);
}

}  // namespace velmora
