#include "icons/FileIcon.h"

#include <shellapi.h>

#include <cstdint>

#include "icons/IconRules.h"
#include "ui/Application.h"

namespace velmora {

namespace {

ui::UniqueIcon ShellFileIcon(const std::string& path, DWORD attributes, UINT flags) {
  SHFILEINFOA info{};
  const DWORD_PTR found = SHGetFileInfoA(path.c_str(), attributes, &info, sizeof(info), flags);
  ui::UniqueIcon icon(info.hIcon);
  if (!found)
    icon.Reset();
  return icon;
}

}  // namespace

ui::UniqueIcon StoredIcon(const CheckedIconFile& file, int index) {
  if (!file.MayExtract(index))
    return ui::UniqueIcon();
  const HICON answer =
      ExtractIconA(ui::ApplicationInstance(), file.Path().c_str(), static_cast<UINT>(index));
  // The marker 1 and an icon count are no icons: neither drawn nor destroyed.
  if (!IsIconHandle(index, reinterpret_cast<std::uintptr_t>(answer)))
    return ui::UniqueIcon();
  return ui::UniqueIcon(answer);
}

ui::UniqueIcon ShellIcon(const CheckedIconFile& file) {
  if (file.Missing())
    return ui::UniqueIcon();
  if (file.ShellMayRead())
    return ShellFileIcon(file.Path(), 0, SHGFI_ICON);
  // Even with SHGFI_USEFILEATTRIBUTES the shell reads an icon "in the file" from the file named,
  // so it is asked about a name no file can have, with the file's extension.
  return ShellFileIcon("*" + LowerExtension(file.Path()), FILE_ATTRIBUTE_NORMAL,
                       SHGFI_ICON | SHGFI_USEFILEATTRIBUTES);
}

}  // namespace velmora
