#include "shortcut/ShortcutWriter.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/ComPtr.h"
#include "base/Error.h"
#include "base/ErrorText.h"
#include "base/FileSystem.h"
#include "base/KernelHandles.h"
#include "base/LeadBytes.h"
#include "base/PathRules.h"
#include "base/SystemMessage.h"
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

// Errors that another program's handle on a file gives: a shell view, an indexer or a virus
// scanner reads a new or replaced link for a moment.
bool IsHeldError(DWORD code) {
  return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED ||
         code == ERROR_LOCK_VIOLATION;
}

// Runs `step` until it succeeds, fails for another reason than a held file, or about 2 s have
// passed, waiting a little longer after each try. The last error is the last try's.
template <typename Step>
bool RetryWhileHeld(Step step) {
  constexpr ULONGLONG kPatienceMs = 2000;
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  for (DWORD pauseMs = 10;; pauseMs = std::min<DWORD>(pauseMs * 2, 200)) {
    if (step())
      return true;
    const DWORD error = GetLastError();
    if (!IsHeldError(error) || GetTickCount64() >= deadline) {
      SetLastError(error);
      return false;
    }
    Sleep(pauseMs);
  }
}

// A name no user or program gives a file, a tilde and numbers of this process and this try, and
// no longer than the link's own name, so that its path fits wherever the link's does.
std::string PendingName(const std::string& fileName, unsigned serial) {
  const std::string linkName = fileName.substr(FindLastOf(fileName, "\\") + 1);
  const LeadBytes& lead = LeadBytes::Active();
  std::size_t room = 0;
  for (std::size_t pos = 0; pos < linkName.size(); pos += lead.CharLength(linkName, pos))
    ++room;
  const std::string process = std::to_string(GetCurrentProcessId());
  std::string name = "~vm" + process + "." + std::to_string(serial);
  if (name.size() > room) {
    // The serial's digits come last, so each try still gets a name of its own.
    const std::string digits = process + std::to_string(serial);
    name = "~" + digits.substr(digits.size() -
                               std::min(digits.size(), std::max<std::size_t>(room, 2) - 1));
  }
  return fileName.substr(0, fileName.size() - linkName.size()) + name;
}

// A hidden file beside the link, which receives the link's bytes and then takes the link's name.
// It stays open with no sharing until then, so no other program can open it or keep it; when it
// has not taken that name it is gone with its handle.
class PendingLink {
 public:
  // The folder refuses a new file: the name or the place is at fault, as the reason says.
  explicit PendingLink(std::string fileName) : fileName_(std::move(fileName)) {
    static unsigned serial = 0;
    DWORD error = ERROR_FILE_EXISTS;
    // New: an existing file is never touched.
    for (int attempt = 0; attempt < 100 && !file_ && error == ERROR_FILE_EXISTS; ++attempt) {
      path_ = PendingName(fileName_, serial++);
      file_.Reset(CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
      error = GetLastError();
    }
    if (!file_)
      FailToStore(fileName_, error);
  }
  ~PendingLink() {
    if (!file_)
      return;
    FILE_DISPOSITION_INFO remove{TRUE};
    const bool marked = RetryWhileHeld([&] {
      return SetFileInformationByHandle(file_.Get(), FileDispositionInfo, &remove, sizeof remove);
    });
    file_.Reset();
    if (!marked)
      RetryWhileHeld([&] { return DeleteFileA(path_.c_str()); });
  }
  PendingLink(const PendingLink&) = delete;
  PendingLink& operator=(const PendingLink&) = delete;

  // Writes every byte, flushes them to the disk and reads them back; each step checked, since a
  // full disk shows in any of them, and a file cut short or garbled in what it reads.
  void Store(const BYTE* bytes, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
      DWORD written = 0;
      if (!WriteFile(file_.Get(), bytes + done, chunk, &written, nullptr))
        FailToStore(fileName_, GetLastError());
      if (written == 0)
        FailToStore(fileName_, ERROR_HANDLE_DISK_FULL);
      done += written;
    }
    if (!FlushFileBuffers(file_.Get()))
      FailToStore(fileName_, GetLastError());
    const LARGE_INTEGER start{};
    if (!SetFilePointerEx(file_.Get(), start, nullptr, FILE_BEGIN))
      FailToStore(fileName_, GetLastError());
    // One byte more than was written: a longer file shows too.
    std::string stored(size + 1, '\0');
    std::size_t done = 0;
    for (DWORD read = 1; read != 0 && done < stored.size(); done += read) {
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(stored.size() - done, 1u << 20));
      if (!ReadFile(file_.Get(), stored.data() + done, chunk, &read, nullptr))
        FailToStore(fileName_, GetLastError());
    }
    if (done != size || !std::equal(bytes, bytes + size, stored.begin(),
                                    [](BYTE a, char b) { return a == static_cast<BYTE>(b); }))
      FailToStore(fileName_, 0);
  }

  // Puts the file in the link's place in one step, replacing a file of that name, and tells the
  // shell's views, as the link object's own save does. A file of that name that another program
  // holds is waited for a little.
  void TakeLinkName() {
    FILE_BASIC_INFO shown{};
    shown.FileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    if (!SetFileInformationByHandle(file_.Get(), FileBasicInfo, &shown, sizeof shown))
      FailToStore(fileName_, GetLastError());
    const std::optional<std::wstring> name = ToWide(fileName_, true);
    if (!name)
      FailToStore(fileName_, ERROR_INVALID_NAME);
    const std::size_t nameBytes = name->size() * sizeof(wchar_t);
    std::vector<BYTE> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileName), name->data(), nameBytes);
    const bool replaces = IsExistingFile(fileName_);
    if (!RetryWhileHeld([&] {
          return SetFileInformationByHandle(file_.Get(), FileRenameInfo, rename,
                                            static_cast<DWORD>(buffer.size()));
        })) {
      FailToStore(fileName_, GetLastError());
    }
    // The bytes were flushed and read back: what closing could report has been seen.
    file_.Reset();
    SHChangeNotify(replaces ? SHCNE_UPDATEITEM : SHCNE_CREATE, SHCNF_PATHA, fileName_.c_str(),
                   nullptr);
  }

 private:
  std::string fileName_;
  std::string path_;
  UniqueFile file_;
};

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

  PendingLink pending(fileName);
  pending.Store(bytes.Data(), static_cast<std::size_t>(stat.cbSize.QuadPart));
  pending.TakeLinkName();
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
