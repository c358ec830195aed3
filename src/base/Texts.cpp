// Compiled with the execution character set CP932: every literal here is stored as the system
// code page's bytes. Keep standard headers out of this file.
#include "base/Texts.h"

namespace velmora::text {

const char kOleError[] = "OLE ｴﾗｰ %.8x";

}  // namespace velmora::text
