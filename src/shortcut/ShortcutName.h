#pragma once
// Whether a shortcut name makes a plain file name in the destination folder, checked before the
// create command asks anything.
#include <string>
#include <string_view>

namespace velmora {

enum class NameProblem {
  kNone,
  kForbiddenCharacter,  // \ / : * ? " < > | or a control character: a path, a stream, a pattern;
                        // or a lead byte without its second byte
  kEmpty,               // the file would be named ".lnk"
  kEndsInDotOrBlank,    // the system drops a closing dot or blank, so the name would change
  kDeviceName,          // CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1-9, LPT1-9: the save would
                        // go to the device
};

// The rules look at the name the link file gets: the name, then the shortcut-to ending when
// `addSuffix` is set. So an empty name with the ending makes the usable "へのショートカット.lnk",
// and NUL with the ending is no device. Double-byte aware: the second byte of a double-byte
// character is never a backslash or a bar.
NameProblem FindNameProblem(std::string_view name, bool addSuffix);

// The message that tells the user what to change; empty for kNone.
std::string NameProblemText(NameProblem problem, std::string_view name);

}  // namespace velmora
