#pragma once
// The input/output error raised when the directory list cannot enter a folder.
#include <string>

namespace velmora {

// Text for a system error code: 2 "ﾌｧｲﾙが見つかりません", 3 "不正なﾌｧｲﾙ名です", 4, 5, 100,
// 101, 106 their own texts, any other "I/O ｴﾗｰ (%d)".
std::string IoErrorText(unsigned long code);

}  // namespace velmora
