#pragma once
// The icons a file stores, numbered as ExtractIconExA numbers them: icon i is the i-th icon group
// of a program or library in the order its resources are listed, or the icon of an icon file.
#include <windows.h>

#include <string>
#include <vector>

#include "base/KernelHandles.h"
#include "ui/Handles.h"

namespace velmora {

class StoredIcons {
 public:
  // `count` is the file's icon count as ExtractIconExA gives it.
  StoredIcons(std::string path, int count);
  StoredIcons(const StoredIcons&) = delete;
  StoredIcons& operator=(const StoredIcons&) = delete;

  int Count() const { return count_; }
  // Icon `index` from its image for the large-icon size `size`, made at that size; none when it
  // cannot be read (a damaged resource).
  ui::UniqueIcon Large(int index, int size) const;

 private:
  ui::UniqueIcon FromResources(int index, int size) const;

  std::string path_;
  int count_;
  // A program or library opened once to read its resources; none for other files (icon files,
  // 16-bit programs), whose icons come one call at a time.
  UniqueModule module_;
  // The icon groups' resource names, numbers written as "#n".
  std::vector<std::string> groups_;
};

}  // namespace velmora
