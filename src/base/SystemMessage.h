#pragma once
// The system's own words for an error code (FormatMessageA).
#include <string>

namespace velmora {

// The system's message for an error code, trimmed for the report (TrimSystemMessage); empty
// when it has none.
std::string SystemMessage(unsigned long code);

}  // namespace velmora
