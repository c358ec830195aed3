#pragma once
// Owners of the kernel's file, search and module handles.
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

// A directory search (FindFirstFileA), closed with FindClose.
using UniqueFind = Unique<HANDLE, FindCloser, InvalidHandleValue>;
// A file opened with CreateFileA, whose failure value is INVALID_HANDLE_VALUE too.
using UniqueFile = Unique<HANDLE, HandleCloser, InvalidHandleValue>;
// A module loaded with LoadLibraryExA, also one loaded only to read its resources.
using UniqueModule = Unique<HMODULE, ModuleFreer>;

}  // namespace velmora
