#pragma once
// Owners of the kernel's file and search handles.
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

// A directory search (FindFirstFileA), closed with FindClose.
using UniqueFind = Unique<HANDLE, FindCloser, InvalidHandleValue>;
// A file opened with CreateFileA, whose failure value is INVALID_HANDLE_VALUE too.
using UniqueFile = Unique<HANDLE, HandleCloser, InvalidHandleValue>;

}  // namespace velmora
