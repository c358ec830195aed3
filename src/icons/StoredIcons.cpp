#include "icons/StoredIcons.h"

#include <shellapi.h>

#include "icons/IconRules.h"

namespace velmora {

namespace {

BOOL CALLBACK AddGroupName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  auto& list = *reinterpret_cast<std::vector<std::string>*>(names);
  if (!IS_INTRESOURCE(name)) {
    list.emplace_back(name);
    return TRUE;
  }
  // FindResourceA reads "#n" as the number n.
  std::string number(1, '#');
  number += std::to_string(reinterpret_cast<ULONG_PTR>(name));
  list.push_back(std::move(number));
  return TRUE;
}

// The bytes of a resource, or empty.
struct ResourceBytes {
  const BYTE* data = nullptr;
  DWORD size = 0;
};
ResourceBytes FindBytes(HMODULE module, const char* name, const char* type) {
  const HRSRC found = FindResourceA(module, name, type);
  const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (!loaded)
    return {};
  return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

}  // namespace

StoredIcons::StoredIcons(const CheckedIconFile& file) : file_(file) {
  // A file without icons the system may read is not opened at all.
  if (file_.Count() == 0)
    return;
  // As a data file: nothing of it runs, and a library of the other word size opens as well. A
  // name without extension gets a closing dot, or the loader would look for name.dll instead.
  const std::string& path = file_.Path();
  const std::string module = LowerExtension(path).empty() ? path + "." : path;
  module_.Reset(LoadLibraryExA(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module_)
    return;
  EnumResourceNamesA(module_.Get(), RT_GROUP_ICON, &AddGroupName,
                     reinterpret_cast<LONG_PTR>(&groups_));
  // Numbered otherwise than ExtractIconExA would: read them its way.
  if (static_cast<int>(groups_.size()) != file_.Count()) {
    module_.Reset();
    groups_.clear();
  }
}

ui::UniqueIcon StoredIcons::Large(int index, int size) const {
  if (!file_.MayExtract(index))
    return ui::UniqueIcon();
  if (module_)
    return FromResources(index, size);
  HICON large = nullptr;
  // One icon a call: Wine fills only the first handle when asked for more.
  if (ExtractIconExA(file_.Path().c_str(), index, &large, nullptr, 1) == 0)
    return ui::UniqueIcon();
  return ui::UniqueIcon(large);
}

ui::UniqueIcon StoredIcons::FromResources(int index, int size) const {
  // The group lists the icon's images; the system picks the one for the size, as it does when
  // it extracts the icon, and makes the icon from that image's bytes.
  const ResourceBytes group =
      FindBytes(module_.Get(), groups_[static_cast<size_t>(index)].c_str(), RT_GROUP_ICON);
  if (!group.data)
    return ui::UniqueIcon();
  const int imageId =
      LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group.data), TRUE, size, size, LR_DEFAULTCOLOR);
  if (imageId == 0)
    return ui::UniqueIcon();
  const ResourceBytes image = FindBytes(module_.Get(), MAKEINTRESOURCEA(imageId), RT_ICON);
  if (!image.data)
    return ui::UniqueIcon();
  return ui::UniqueIcon(CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE,
                                                 0x00030000, size, size, LR_DEFAULTCOLOR));
}

}  // namespace velmora
