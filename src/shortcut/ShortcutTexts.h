#pragma once
// Texts of the shortcut name check, the replace question and the writer's refusals, in the
// system code page (932). Defined in ShortcutTexts.cpp, compiled with that execution character
// set.

namespace velmora::text {

extern const char kNameForbiddenCharacter[];
extern const char kNameEmpty[];
extern const char kNameEndsInDotOrBlank[];
// %s is the name as typed.
extern const char kNameIsDevice[];
// %s is the link's file name.
extern const char kReplaceQuestion[];
// %s is the link's full file name.
extern const char kNotCodePageText[];
// %s is the field's label: typed text that the code page cannot hold.
extern const char kFieldNotInCodePage[];
// %s is the link's full file name; the system's reason follows.
extern const char kCannotCreateBecause[];

}  // namespace velmora::text
