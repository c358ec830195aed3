#pragma once
// Resource IDs of the executable.
#define IDI_MAINICON 1
// The button glyphs, drawn for 16 and for 24 pixels.
#define IDB_GLYPH_CREATE 101
#define IDB_GLYPH_CLOSE 102
#define IDB_GLYPH_CREATE_24 103
#define IDB_GLYPH_CLOSE_24 104
