#pragma once
// The icons a file stores, numbered as ExtractIconExA numbers them: icon i is the i-th icon group
// of a program or library in the order its resources are listed, or the icon of an icon file.
#include <windows.h>

#include <string>
#include <vector>

#include "base/KernelHandles.h"
#include "icons/CheckedIconFile.h"
#include "ui/Handles.h"

namespace velmora {

class StoredIcons {
 public:
  // The icons of a checked file, which has to stay open while these are read.
  explicit StoredIcons(const CheckedIconFile& file);
  StoredIcons(const StoredIcons&) = delete;
  StoredIcons& operator=(const StoredIcons&) = delete;

  int Count() const { return file_.Count(); }
  // Icon `index` from its image for the large-icon size `size`, made at that size; none when it
  // cannot be read (a damaged resource) or the check keeps the system from reading it.
  ui::UniqueIcon Large(int index, int size) const;

 private:
  ui::UniqueIcon FromResources(int index, int size) const;

  const CheckedIconFile& file_;
  // A program or library opened once to read its resources; none for other files (icon files,
  // 16-bit programs), whose icons come one call at a time.
  UniqueModule module_;
  // The icon groups' resource names, numbers written as "#n".
  std::vector<std::string> groups_;
};

}  // namespace velmora
