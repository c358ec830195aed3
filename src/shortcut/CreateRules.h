#pragma once
// The create command's mappings from the window's choices to the shortcut writer's arguments.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Show command for the run-window state: 0 -> 10, 1 -> 7, 2 -> 3; nullopt otherwise.
std::optional<int> ShowCommandFor(int windowStateIndex);

// The link's arguments: the parameters exactly as typed, with one exception. A text that is one
// path of an existing file or folder (`exists` answers for it) and holds a blank, with none at
// either end and no double quote, is put in double quotes, so that the target receives it as one
// argument. A relative path is found from the target's folder, where the link starts it.
std::string LinkArguments(std::string_view targetPath, std::string_view parameters,
                          bool (*exists)(const std::string& path));

// "\"" name "\"を" "「" label "」に作成します。よろしいですか？"
std::string ConfirmationText(std::string_view shortcutName, std::string_view destinationLabel);

// One line beginning with "Velmora", shown as the caption while the shortcut is written.
std::string ProductBanner();

}  // namespace velmora
