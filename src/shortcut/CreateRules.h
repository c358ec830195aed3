#pragma once
// The create command's mappings from the window's choices to the shortcut writer's arguments.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Show command for the run-window state: 0 -> 10, 1 -> 7, 2 -> 3; nullopt otherwise.
std::optional<int> ShowCommandFor(int windowStateIndex);

// The link's arguments: the parameters in double quotes when the target path's first space is
// at its second character or later and the parameters are not empty; else unchanged.
std::string LinkArguments(std::string_view targetPath, std::string_view parameters);

// "\"" name "\"を" "「" label "」に作成します。よろしいですか？"
std::string ConfirmationText(std::string_view shortcutName, std::string_view destinationLabel);

// One line beginning with "Velmora", shown as the caption while the shortcut is written.
std::string ProductBanner();

}  // namespace velmora
