#pragma once
// Owners of the kernel's file, mapping, search and module handles.
#include <windows.h>

#include "base/Unique.h"

namespace velmora {

struct InvalidHandleValue {
  static HANDLE Value() noexcept { return INVALID_HANDLE_VALUE; }
};
struct FindCloser {
  void operator()(HANDLE search) const noexcept { FindClose(search); }
};
struct HandleCloser {
  void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
struct ModuleFreer {
  void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
struct ViewUnmapper {
  void operator()(const void* view) const noexcept { UnmapViewOfFile(view); }
};

// A directory search (FindFirstFileA), closed with FindClose.
using UniqueFind = Unique<HANDLE, FindCloser, InvalidHandleValue>;
// A file opened with CreateFileA, whose failure value is INVALID_HANDLE_VALUE too.
using UniqueFile = Unique<HANDLE, HandleCloser, InvalidHandleValue>;
// A module loaded with LoadLibraryExA, also one loaded only to read its resources.
using UniqueModule = Unique<HMODULE, ModuleFreer>;
// A file mapping (CreateFileMappingA), whose failure value is null, and a view of it.
using UniqueMapping = Unique<HANDLE, HandleCloser>;
using UniqueView = Unique<const void*, ViewUnmapper>;

}  // namespace velmora
