#pragma once
// Texts of the main window and its boxes, in the system code page (932). Defined in
// MainTexts.cpp, compiled with that execution character set.

namespace velmora::text {

extern const char kAppTitle[];
// The face of the window's font and of the confirmation box's.
extern const char kFontFace[];

// The controls' captions, by the controls' names.
extern const char kLabel1[];
extern const char kLabel2[];
extern const char kLabel3[];
extern const char kLabel4[];
extern const char kButton1[];
extern const char kRadioGroup1[];
extern const char kCheckBox1[];
extern const char* const kWindowStates[3];
extern const char kGroupBox1[];
extern const char kButton2[];
extern const char kGroupBox2[];
extern const char kBitBtn1[];
extern const char kBitBtn2[];
extern const char kOpenFilter[];

// Reported after the create command's question when no window state is chosen.
extern const char kNoWindowState[];

// The confirmation box.
extern const char kConfirmCaption[];
extern const char kConfirmYes[];
extern const char kConfirmNo[];

// The first-start offer and the link it makes.
extern const char kSendToOffer[];
extern const char kSendToName[];

// %s is the file whose icons the list showed: it changed since, or is gone.
extern const char kIconFileChanged[];
extern const char kIconFileGone[];

}  // namespace velmora::text
