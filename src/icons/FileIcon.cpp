#include "icons/FileIcon.h"

#include <shellapi.h>

#include <cstdint>

#include "icons/IconRules.h"
#include "ui/Application.h"

namespace velmora {

ui::UniqueIcon StoredIcon(const std::string& path, int index) {
  const HICON answer =
      ExtractIconA(ui::ApplicationInstance(), path.c_str(), static_cast<UINT>(index));
  // The marker 1 and an icon count are no icons: neither drawn nor destroyed.
  if (!IsIconHandle(index, reinterpret_cast<std::uintptr_t>(answer)))
    return ui::UniqueIcon();
  return ui::UniqueIcon(answer);
}

ui::UniqueIcon ShellIcon(const std::string& path) {
  SHFILEINFOA info{};
  const DWORD_PTR found = SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON);
  ui::UniqueIcon icon(info.hIcon);
  if (!found)
    icon.Reset();
  return icon;
}

}  // namespace velmora
