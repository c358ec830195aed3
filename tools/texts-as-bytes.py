#!/usr/bin/env python3
"""Copies a *Texts.cpp source with every character outside ASCII written as the octal escapes of
its code page 932 bytes, for a compiler that has no CP932 execution character set (clang).

    tools/texts-as-bytes.py SOURCE COPY

Octal escapes, never hexadecimal ones: an escape then cannot swallow the letter after it, and a
second byte with the backslash's code (ソ is 0x83 0x5C) cannot escape the character after it.
"""
import sys


def main(source, copy):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    out = []
    for char in text:
        if ord(char) < 0x80:
            out.append(char)
        else:
            out.append("".join(f"\\{byte:03o}" for byte in char.encode("cp932")))
    with open(copy, "w", encoding="ascii", newline="") as f:
        f.write("".join(out))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
