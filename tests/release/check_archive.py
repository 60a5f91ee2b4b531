#!/usr/bin/env python3
"""Checks the release archive that scripts/release wrote.

    check_archive.py <archive.zip> <x86 exe> <x64 exe>

The two exes are those of the test builds (build/windows-x86, build/windows): the archive's
must be the same bytes, which they are only if two builds of the same sources in two folders
give the same file. Prints the listing; exits non-zero with the reasons when anything is off.
"""

import struct
import sys
import zipfile

ENTRIES = ["ZnkLauncher.exe", "x64/ZnkLauncher.exe", "ReadMe.txt"]
MACHINES = {"ZnkLauncher.exe": (0x14C, 0x10B), "x64/ZnkLauncher.exe": (0x8664, 0x20B)}


def pe_kind(data):
    """(machine, optional header magic) of a PE image, or None."""
    if len(data) < 0x40 or data[:2] != b"MZ":
        return None
    offset = struct.unpack_from("<I", data, 0x3C)[0]
    if data[offset:offset + 4] != b"PE\0\0":
        return None
    machine = struct.unpack_from("<H", data, offset + 4)[0]
    magic = struct.unpack_from("<H", data, offset + 24)[0]
    return machine, magic


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    archive, x86_exe, x64_exe = sys.argv[1:]
    faults = []
    with zipfile.ZipFile(archive) as z:
        infos = z.infolist()
        names = [i.filename for i in infos]
        if names != ENTRIES:
            faults.append(f"entries {names}, expected {ENTRIES}")
        print(f"{archive}:")
        for info in infos:
            print(f"  {info.file_size:>9}  {info.filename}")
        contents = {name: z.read(name) for name in names}

    built = {"ZnkLauncher.exe": x86_exe, "x64/ZnkLauncher.exe": x64_exe}
    for name, path in built.items():
        data = contents.get(name, b"")
        if pe_kind(data) != MACHINES[name]:
            faults.append(f"{name}: not the expected PE kind: {pe_kind(data)}")
        with open(path, "rb") as f:
            if f.read() != data:
                faults.append(f"{name} differs from the tests' build {path}")

    readme = contents.get("ReadMe.txt", b"")
    if not readme.startswith(b"\xef\xbb\xbf"):
        faults.append("ReadMe.txt has no UTF-8 byte-order mark")
    try:
        text = readme[3:].decode("utf-8")
    except UnicodeDecodeError as error:
        faults.append(f"ReadMe.txt is not UTF-8: {error}")
        text = ""
    if text.count("\n") == 0 or text.count("\n") != text.count("\r\n"):
        faults.append("ReadMe.txt does not end every line with CR LF")
    if "@VERSION@" in text:
        faults.append("ReadMe.txt still holds @VERSION@")

    if faults:
        for fault in faults:
            print(f"check_archive: {fault}", file=sys.stderr)
        sys.exit(1)
    print("check_archive: the archive's exes are byte for byte those of the test builds")


if __name__ == "__main__":
    main()
