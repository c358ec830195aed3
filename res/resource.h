#pragma once
// Resource IDs of the executable.
#define IDI_MAINICON 1
#define IDB_GLYPH_CREATE 101
#define IDB_GLYPH_CLOSE 102
