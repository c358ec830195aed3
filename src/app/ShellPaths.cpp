#include "app/ShellPaths.h"

#include <vector>

#include "app/CommandLine.h"
#include "app/TargetTexts.h"
#include "base/Error.h"
#include "base/WideText.h"

namespace velmora {

std::string PathInCodePage(std::wstring_view path) {
  std::optional<std::string> bytes = ToAnsi(path, true);
  if (!bytes)
    throw Error(FormatText(text::kPathNotInCodePage, ToAnsiMarked(path)));
  return std::move(*bytes);
}

std::vector<std::wstring> DroppedPaths(HDROP drop) {
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::wstring> paths;
  paths.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(static_cast<std::size_t>(length) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
    if (!path.empty())
      paths.push_back(std::move(path));
  }
  return paths;
}

std::vector<std::wstring> CommandLineArguments() {
  std::vector<std::wstring> arguments = SplitCommandLine(GetCommandLineW());
  if (arguments.empty())
    return arguments;
  arguments.erase(arguments.begin());
  return arguments;
}

}  // namespace velmora
