// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "app/TargetTexts.h"

namespace velmora::text {

const char kPathNotInCodePage[] =
    "%s の名前には、この環境の文字コードで表せない文字があるため、使えません";
const char kQueueCaption[] = "%s (%d/%d)";

}  // namespace velmora::text
