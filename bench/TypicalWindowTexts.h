#pragma once
// The baseline window's Japanese texts, in code page 932 like Velmora's own.

namespace typical_window {

extern const char kTitle[];
extern const char kFontFace[];
// Label, edit, button, group, radio, check, list and combo texts in the order the layout uses.
extern const char* const kLabels[6];
extern const char* const kButtons[6];
extern const char* const kGroups[2];
extern const char* const kRadios[4];
extern const char* const kChecks[4];
extern const char* const kListItems[5];
extern const char* const kComboItems[3];

}  // namespace typical_window
