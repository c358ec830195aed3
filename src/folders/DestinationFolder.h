#pragma once
// The folder that receives the shortcut for the two picker destinations.
#include <string>
#include <string_view>

namespace velmora {

// Destination 4: the target's folder, the folder the confirmation names, even when the picker
// could not follow the target there. Destination 5: the folder open in the picker. Any other
// destination uses a special folder: empty.
std::string PickerDestinationFolder(int destinationIndex, std::string_view targetPath,
                                    std::string_view pickerDirectory);

}  // namespace velmora
