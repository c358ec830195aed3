#pragma once
// Texts about the paths that arrive as targets, in the system code page (932). Defined in
// TargetTexts.cpp, compiled with that execution character set.

namespace velmora::text {

// %s is the path, with "?" for each character the code page lacks.
extern const char kPathNotInCodePage[];

}  // namespace velmora::text
