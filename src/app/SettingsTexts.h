#pragma once
// The settings file's name, section and keys, and its write error, in the system code page (932).
// Defined in SettingsTexts.cpp, compiled with that execution character set.

namespace velmora::text {

// Appended to the executable's folder.
extern const char kSettingsFileName[];
extern const char kSection[];
extern const char kKeyStart[];
// RadioGroup1's ItemIndex: a row of the destination table (shortcut/Destination.h), or -1.
extern const char kKeyItemIndex[];
extern const char kKeyStrFlag[];
extern const char kKeyWindowState[];
extern const char kKeyInitialDir[];

// %s is the settings file's path; the second is followed by the system's reason.
extern const char kCannotWrite[];
extern const char kCannotWriteBecause[];

}  // namespace velmora::text
