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

std::optional<std::string> DroppedPath(HDROP drop) {
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0)
    return std::nullopt;
  std::wstring path(static_cast<std::size_t>(length) + 1, L'\0');
  path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
  if (path.empty())
    return std::nullopt;
  return PathInCodePage(path);
}

std::optional<std::string> CommandLineArgument() {
  const std::vector<std::wstring> arguments = SplitCommandLine(GetCommandLineW());
  if (arguments.size() < 2)
    return std::nullopt;
  return PathInCodePage(arguments[1]);
}

}  // namespace velmora
