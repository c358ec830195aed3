#include "shortcut/ShortcutWriter.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/ComPtr.h"
#include "base/Error.h"
#include "base/ErrorText.h"
#include "base/FileSystem.h"
#include "base/PathRules.h"
#include "base/SystemMessage.h"
#include "base/WholeFile.h"
#include "base/WideText.h"
#include "shortcut/LinkNaming.h"
#include "shortcut/ShortcutTexts.h"

namespace velmora {
namespace {

// The destination table names the special folders without <shlobj.h>.
static_assert(csidl::kPrograms == CSIDL_PROGRAMS && csidl::kStartup == CSIDL_STARTUP &&
              csidl::kSendTo == CSIDL_SENDTO && csidl::kDesktopDirectory == CSIDL_DESKTOPDIRECTORY);

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

// A memory block locked for the length of a scope.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory) noexcept : memory_(memory), data_(GlobalLock(memory)) {}
  ~GlobalLockScope() {
    if (data_ != nullptr)
      GlobalUnlock(memory_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;

  const BYTE* Data() const noexcept { return static_cast<const BYTE*>(data_); }

 private:
  HGLOBAL memory_;
  void* data_;
};

// The system's own words for a failed COM call, or "OLE ｴﾗｰ %.8x" when it has none.
std::string ComErrorText(HRESULT code) {
  std::string message = SystemMessage(static_cast<DWORD>(code));
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

// The system converts a name to UTF-16 on its way to the file system: bytes that are not valid
// in the code page would turn into some other file name, and a NUL would end the name early, so
// either stops the write.
void CheckFileName(const std::string& fileName) {
  if (!ToWide(fileName, true))
    throw Error(FormatText(text::kNotCodePageText, fileName));
  if (fileName.find('\0') != std::string::npos)
    throw Error(FormatText(text::kCannotCreate, fileName.c_str()));
}

// The link's bytes that could not be stored, with the system's reason when it gave one.
[[noreturn]] void FailToStore(const std::string& fileName, unsigned long code) {
  throw Error(CannotCreateText(fileName, code == 0 ? std::string() : SystemMessage(code)));
}

// The target as the link object holds it (raw, as set); empty when it holds none.
std::string TargetOf(IShellLinkA& link) {
  char path[MAX_PATH + 1] = {};
  if (FAILED(link.GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
    return {};
  return path;
}

// Whether a fresh link object loads the saved bytes as a link to `target`: S_OK when it does,
// S_FALSE when they make a link to something else, the load's failure code otherwise.
HRESULT LoadBack(IStream& saved, const std::string& target) {
  ComPtr<IPersistStream> loader;
  ComPtr<IShellLinkA> link;
  const LARGE_INTEGER start{};
  HRESULT result = saved.Seek(start, STREAM_SEEK_SET, nullptr);
  if (SUCCEEDED(result))
    result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStream,
                              loader.PutVoid());
  if (SUCCEEDED(result) && loader)
    result = loader->Load(&saved);
  if (SUCCEEDED(result) && loader)
    result = loader->QueryInterface(IID_IShellLinkA, link.PutVoid());
  if (FAILED(result))
    return result;
  return link && TargetOf(*link.Get()) == target ? S_OK : S_FALSE;
}

// The link saved into memory, where every byte of it is known before any reaches the disk. The
// stream owns that memory and frees it when it goes.
ComPtr<IStream> SaveToMemory(IPersistStream& link, const std::string& fileName) {
  ComPtr<IStream> stream;
  HRESULT result = CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
  if (SUCCEEDED(result) && stream)
    result = link.Save(stream.Get(), TRUE);
  if (FAILED(result) || !stream)
    FailToStore(fileName, static_cast<unsigned long>(result));
  return stream;
}

// Writes the link object's bytes under the file name whole or not at all: an existing file of
// that name stays as it was until the new link is known to be on the disk.
void StoreLink(IShellLinkA& link, IPersistStream& persist, const std::string& fileName) {
  const ComPtr<IStream> stream = SaveToMemory(persist, fileName);
  const HRESULT loaded = LoadBack(*stream.Get(), TargetOf(link));
  if (loaded != S_OK)
    FailToStore(fileName, loaded == S_FALSE ? 0 : static_cast<unsigned long>(loaded));
  STATSTG stat{};
  HGLOBAL memory = nullptr;
  HRESULT result = stream->Stat(&stat, STATFLAG_NONAME);
  if (SUCCEEDED(result))
    result = GetHGlobalFromStream(stream.Get(), &memory);
  if (FAILED(result))
    FailToStore(fileName, static_cast<unsigned long>(result));
  const GlobalLockScope bytes(memory);
  if (bytes.Data() == nullptr || stat.cbSize.QuadPart > GlobalSize(memory))
    FailToStore(fileName, ERROR_NOT_ENOUGH_MEMORY);

  const bool replaces = IsExistingFile(fileName);
  try {
    WriteFileBytes(fileName, std::string_view(reinterpret_cast<const char*>(bytes.Data()),
                                              static_cast<std::size_t>(stat.cbSize.QuadPart)));
  } catch (const FileError& error) {
    FailToStore(fileName, error.Code());
  }
  // The shell's views learn of the link as the link object's own save tells them.
  SHChangeNotify(replaces ? SHCNE_UPDATEITEM : SHCNE_CREATE, SHCNF_PATHA, fileName.c_str(),
                 nullptr);
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
  ComPtr<IPersistStream> persist;
  if (!object || FAILED(object->QueryInterface(IID_IShellLinkA, link.PutVoid())) || !link ||
      FAILED(object->QueryInterface(IID_IPersistStream, persist.PutVoid())) || !persist) {
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

  CheckFileName(fileName);
  StoreLink(*link.Get(), *persist.Get(), fileName);
}

std::string ShortcutFileName(const ShortcutRequest& request) {
  // A folder of the user's choosing never needs the special folder, so no lookup can stop it.
  const Destination& destination = request.destination;
  const std::string folder =
      destination.specialFolder ? SpecialFolderPath(*destination.specialFolder) : destination.label;
  return LinkFileName(folder, request.shortcutName, request.addSuffix);
}

}  // namespace velmora
