#pragma once
// The texts of base itself, in the system code page (932), so that they combine byte for byte
// with paths and control texts. Each layer keeps its texts in *Texts.cpp files of its own, the
// only files compiled with that code page as their execution character set (the standard headers
// cannot be); tools/check-texts.py finds a literal elsewhere that is not ASCII.

namespace velmora::text {

// %.8x is the failure code of a COM call that has no system message.
extern const char kOleError[];

}  // namespace velmora::text
