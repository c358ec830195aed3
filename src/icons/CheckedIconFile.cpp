#include "icons/CheckedIconFile.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace velmora {

CheckedIconFile::CheckedIconFile(std::string path) : path_(std::move(path)) {
  const DWORD attributes = GetFileAttributesA(path_.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return;
  stamp_.exists = true;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    state_ = State::Folder;
    return;
  }
  state_ = State::Unreadable;
  // Others may only read it while this is open.
  file_.Reset(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  // One call gives the size to map and the stamp that tells a later change.
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file_ || !GetFileInformationByHandle(file_.Get(), &info))
    return;
  const auto wide = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
  stamp_.volume = info.dwVolumeSerialNumber;
  stamp_.fileIndex = wide(info.nFileIndexHigh, info.nFileIndexLow);
  stamp_.size = wide(info.nFileSizeHigh, info.nFileSizeLow);
  stamp_.lastWrite = wide(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  if (stamp_.size > std::numeric_limits<std::size_t>::max())
    return;
  if (stamp_.size == 0) {
    // An empty file cannot be mapped, by the system either.
    state_ = State::Checked;
    return;
  }
  const UniqueMapping mapping(
      CreateFileMappingA(file_.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  const UniqueView view(mapping ? MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0) : nullptr);
  if (!view)
    return;
  state_ = State::Checked;
  check_ = CheckIconSource(std::span(static_cast<const std::uint8_t*>(view.Get()),
                                     static_cast<std::size_t>(stamp_.size)));
}

bool CheckedIconFile::ShellMayRead() const {
  switch (state_) {
    case State::Folder:
      return true;
    case State::Missing:
    case State::Unreadable:
      return false;
    case State::Checked:
      return check_.sound && check_.AllWhole();
  }
  return false;
}

}  // namespace velmora
