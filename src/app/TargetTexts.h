#pragma once
// Texts about the paths that arrive as targets, in the system code page (932). Defined in
// TargetTexts.cpp, compiled with that execution character set.

namespace velmora::text {

// %s is the path, with "?" for each character the code page lacks.
extern const char kPathNotInCodePage[];
// The caption while several targets are served: %s the title, then the target's place in the
// batch and the batch's size.
extern const char kQueueCaption[];

}  // namespace velmora::text
