#pragma once
// Japanese texts of the shortcut writer's tests, as the system code page's bytes (932), written
// out here rather than taken from the program so that a wrong program text shows.

namespace velmora::test_text {

extern const char kNotepad[];           // メモ帳
extern const char kSuffixedLink[];      // へのショートカット.lnk
extern const char kSendToName[];        // ショートカット作成
extern const char kFolderEndingInSo[];  // ソ, whose second byte is a backslash byte
extern const char kCannotCreate[];      // " を作成できません", after the file name
extern const char kNoDestinationFolder[];

}  // namespace velmora::test_text
