#pragma once
// Texts of the standard error report.
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The text shown for an error message: a "." is appended unless the message is empty or its
// last character (its first byte, for a double-byte one) sorts at or before ".".
std::string ReportText(std::string_view message);

// A system message with its trailing blanks, control characters and full stops (".", and "。"
// of code page 932) removed.
std::string TrimSystemMessage(std::string_view message);

// The error text for a failed COM call whose code has no system message: "OLE ｴﾗｰ %.8x".
std::string OleErrorText(std::uint32_t code);

}  // namespace velmora
