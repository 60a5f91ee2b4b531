#!/usr/bin/env python3
"""Copies C++ sources with the non-ASCII characters of their string and character
literals written as GBK byte escapes, so that clang (whose execution character set
is UTF-8 only) gives the launcher's literals the bytes that GCC's -fexec-charset=GBK
gives them. Identifiers (the controls' Chinese names) and comments stay UTF-8.

    gbk_literals.py SOURCE_ROOT OUTPUT_ROOT FILE...

Each FILE is relative to SOURCE_ROOT and is written to the same place under
OUTPUT_ROOT; a file whose converted text has not changed is not touched, so the
build recompiles only what changed."""

import os
import sys


def escaped(text):
    """A literal's body with every non-ASCII character as \\x escapes of its GBK bytes.
    An escape followed by a hex digit would swallow it, so the literal is closed and
    opened again there ("\\xD6\\xD0" "abc")."""
    out = []
    after_escape = False
    for ch in text:
        if ord(ch) < 0x80:
            if after_escape and ch in "0123456789abcdefABCDEF":
                out.append('" "')
            out.append(ch)
            after_escape = False
        else:
            out.extend("\\x%02X" % b for b in ch.encode("gbk"))
            after_escape = True
    return "".join(out)


def convert(source):
    out = []
    i = 0
    n = len(source)
    while i < n:
        ch = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            i = end
        elif ch in "\"'":
            # A prefix (u8, u, U, L, R) makes a literal of another kind: left alone.
            prefixed = i > 0 and (source[i - 1].isalnum() or source[i - 1] == "_")
            j = i + 1
            while j < n and source[j] != ch and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            body = source[i + 1:j]
            out.append(ch + (body if prefixed or ch == "'" else escaped(body)) + source[j:j + 1])
            i = j + 1
        else:
            j = i
            while j < n and source[j] not in "\"'/":
                j += 1
            if j == i:
                j = i + 1
            out.append(source[i:j])
            i = j
    return "".join(out)


def main():
    root, output, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    for relative in files:
        with open(os.path.join(root, relative), encoding="utf-8") as f:
            text = convert(f.read())
        target = os.path.join(output, relative)
        try:
            with open(target, encoding="utf-8") as f:
                if f.read() == text:
                    continue
        except OSError:
            pass
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
