#pragma once
// Texts of the destinations, the create command's questions, the shortcut name check, the link's
// file name and the writer's refusals, in the system code page (932). Defined in
// ShortcutTexts.cpp, compiled with that execution character set.

namespace velmora::text {

// The destinations' captions (Destination.h), which the question names too.
extern const char kDestinationDesktop[];
extern const char kDestinationStartMenu[];
extern const char kDestinationStartup[];
extern const char kDestinationSendTo[];
extern const char kDestinationSameDirectory[];
extern const char kDestinationAnyDirectory[];

// The create command's question: "name" kConfirmAfterName label kConfirmEnd.
extern const char kConfirmAfterName[];
extern const char kConfirmEnd[];
// Caption of the main window while the shortcut is written.
extern const char kProductBanner[];

// The link's file name ends in one of these.
extern const char kShortcutSuffix[];
extern const char kLinkExtension[];

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
// %s is the link's full file name.
extern const char kCannotCreate[];
extern const char kNoDestinationFolder[];
extern const char kInterfaceNotSupported[];

}  // namespace velmora::text
