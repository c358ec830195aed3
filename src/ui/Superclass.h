#pragma once
// Window classes that behave as a system class under a name of their own.

namespace velmora::ui {

// Registers once, for this program, a class named `name` that is the system class `base` (for
// example "LISTBOX") with the class styles `removeStyles` taken away. Returns `name`, or nullptr
// when the system class is unknown.
const char* RegisterSuperclass(const char* name, const char* base, unsigned removeStyles);

}  // namespace velmora::ui
