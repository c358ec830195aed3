#!/usr/bin/env python3
"""Fails when a narrow string or character literal outside a *Texts.cpp file holds a character
that is not ASCII, or when a *Texts.cpp file is not compiled with code page 932.

    tools/check-texts.py

Only the *Texts.cpp files are compiled with CP932 as their execution character set (CMake's
velmora_cp932_texts, called for each folder that holds one); anywhere else GCC stores such a
literal as UTF-8, which the ANSI calls show as garbage. Comments may hold any text, and so may
wide literals (L"", u"", U""), which are UTF-16 or UTF-32 whatever the execution character set.
Looks at the C and C++ files of src, tests, bench and tools.
"""
import pathlib
import sys

FOLDERS = ("src", "tests", "bench", "tools")
SUFFIXES = (".c", ".cpp", ".h")
WIDE_PREFIXES = ("L", "u", "U", "LR", "uR", "UR")
STRING_PREFIXES = WIDE_PREFIXES + ("", "R", "u8", "u8R")
WORD = frozenset(b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_")


def literals(source):
    """Yields (line, prefix, body) for every string and character literal of the source."""
    i, line, size = 0, 1, len(source)
    while i < size:
        c = source[i : i + 1]
        if c == b"\n":
            line += 1
            i += 1
        elif source.startswith(b"//", i):
            end = source.find(b"\n", i)
            i = size if end < 0 else end
        elif source.startswith(b"/*", i):
            end = source.find(b"*/", i + 2)
            end = size if end < 0 else end + 2
            line += source.count(b"\n", i, end)
            i = end
        elif c in (b'"', b"'"):
            start = i
            while start > 0 and source[start - 1] in WORD:
                start -= 1
            prefix = source[start:i].decode()
            if prefix not in STRING_PREFIXES:
                i += 1  # a digit separator, or a literal's suffix
                continue
            if prefix.endswith("R") and c == b'"':
                open_end = source.find(b"(", i)
                close = b")" + source[i + 1 : open_end] + b'"'
                end = source.find(close, open_end)
                end = size if end < 0 else end + len(close)
            else:
                end = i + 1
                while end < size and source[end : end + 1] not in (c, b"\n"):
                    end += 2 if source[end : end + 1] == b"\\" else 1
                end += 1
            yield line, prefix.rstrip("R"), source[i:end]
            line += source.count(b"\n", i, end)
            i = end
        else:
            i += 1


def compiled_as_cp932(path, root):
    """Whether the nearest CMakeLists.txt hands the file's folder to velmora_cp932_texts."""
    cmake = path.parent
    while not (cmake / "CMakeLists.txt").exists() and cmake != root:
        cmake = cmake.parent
    relative = path.parent.relative_to(cmake).as_posix()
    folder = "${CMAKE_CURRENT_SOURCE_DIR}" if relative == "." else relative
    return f"velmora_cp932_texts({folder})" in (cmake / "CMakeLists.txt").read_text()


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    failed = False
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SUFFIXES:
                continue
            if path.name.endswith("Texts.cpp"):
                if not compiled_as_cp932(path, root):
                    print(f"check-texts: {path.relative_to(root)} is not compiled with code page "
                          "932: call velmora_cp932_texts for its folder", file=sys.stderr)
                    failed = True
                continue
            for line, prefix, body in literals(path.read_bytes()):
                if prefix not in WIDE_PREFIXES and any(byte >= 0x80 for byte in body):
                    text = body.decode("utf-8", "replace")
                    print(f"check-texts: {path.relative_to(root)}:{line}: {text} is not ASCII; "
                          "put it into the layer's *Texts.cpp", file=sys.stderr)
                    failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
