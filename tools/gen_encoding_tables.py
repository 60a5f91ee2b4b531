#!/usr/bin/env python3
"""Writes platform/encoding_tables.inc, the character tables behind convertEncoding.

The code-page mappings come from the C library's iconv (glibc: CP936 for GBK,
CP950 for BIG5, CP932 for Shift-JIS; these are the Windows code pages the
launcher's texts are shown in), the simplified/traditional pairs from OpenCC's
character tables. The generated file is checked in, so every build, Windows
included, uses the same tables; run this again only to change them.

How to run (Debian 12; python3 standard library only):

    sudo apt-get install opencc libopencc-data     # glibc's iconv is always there
    python3 tools/gen_encoding_tables.py           # rewrites platform/encoding_tables.inc
    python3 tools/gen_encoding_tables.py --check   # exit status 1 if the file is stale
    python3 tools/gen_encoding_tables.py --report  # also lists characters left unmapped

OpenCC's binary dictionaries (/usr/share/opencc/*.ocd2) are read through the
`opencc_dict` tool of the opencc package, which writes them out as text. Only
the single-character tables are used, so no phrase context ever changes a
character.

How a character is mapped (first candidate that the target code page holds):
- GBK to BIG5 traditional: OpenCC's traditional forms of the character, each
  followed by its Taiwan variant; then the character itself and its Taiwan
  variant; then its compatibility form (NFKC); then a few hand-picked
  look-alikes (punctuation that BIG5 writes with another character, and
  four common characters whose variant BIG5 holds).
- BIG5 to GBK: the character itself, its compatibility form, the look-alikes,
  and last its simplified form (so a traditional character that GBK lacks
  still reads right).
- GBK traditional to simplified and simplified to traditional: OpenCC's first
  candidate when GBK holds it; otherwise the character stays.
- GBK to Shift-JIS: the character itself; then for each traditional form its
  Japanese form (OpenCC's JPVariants) and the form itself; then the
  compatibility form and the look-alikes.
- Shift-JIS to GBK: the character itself, its compatibility form (half-width
  katakana become full-width), the look-alikes.
Whatever finds no candidate is stored as 0; convertEncoding writes "?" for it
where the code page changes and leaves it unchanged where it does not.
"""

import argparse
import ctypes
import ctypes.util
import os
import subprocess
import sys
import tempfile
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(ROOT, "platform", "encoding_tables.inc")
OPENCC_DATA = "/usr/share/opencc"

GBK_TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFF))  # 190
BIG5_TRAILS = list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF))  # 157
SJIS_LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))  # 60
SJIS_TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))  # 188
SJIS_KATAKANA = list(range(0xA1, 0xE0))  # 63 single bytes

# Punctuation that one code page writes with a different Unicode character
# than the other; without these the middle dot and the long dash of GBK texts
# would turn into "?" in BIG5.
LOOK_ALIKES = {
    "\u00b7": ["\u2027", "\u30fb", "\uff65"],  # middle dot
    "\u2027": ["\u00b7", "\u30fb"],
    "\u30fb": ["\u00b7", "\u2027"],
    "\u2014": ["\u2015", "\u2500"],  # long dash
    "\u2015": ["\u2014", "\u2500"],
    "\u2016": ["\u2225"],  # double vertical line
    "\u2225": ["\u2016"],
    "\u00a8": ["\u02a8"],
    "\u301c": ["\uff5e"],  # wave dash
    "\uff5e": ["\u301c"],
    "\u2212": ["\uff0d"],  # minus
    "\uff0d": ["\u2212"],
    "\u2236": ["\ufe30", "\uff1a"],  # ratio sign, a colon in BIG5
    "\u2264": ["\u2266"],  # less or equal
    "\u2265": ["\u2267"],
    "\u2266": ["\u2264"],
    "\u2267": ["\u2265"],
    "\u00af": ["\u02c9", "\uffe3"],  # macron
    "\u02c9": ["\u00af", "\uffe3"],
    "\u02cd": ["\uff3f"],  # low macron
    # Common simplified characters whose traditional form (as OpenCC names it)
    # BIG5 lacks, while it holds a variant that readers take for the same.
    "硷": ["鹼"],
    "叁": ["參"],
    "钎": ["釬"],
    "锨": ["杴"],
}


class Iconv:
    """One glibc iconv conversion, called on one character at a time."""

    _libc = None

    def __init__(self, source, target):
        if Iconv._libc is None:
            libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
            libc.iconv_open.restype = ctypes.c_void_p
            libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
            libc.iconv.restype = ctypes.c_size_t
            libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
            libc.gnu_get_libc_version.restype = ctypes.c_char_p
            Iconv._libc = libc
        self._handle = Iconv._libc.iconv_open(target.encode(), source.encode())
        if self._handle in (None, ctypes.c_void_p(-1).value):
            sys.exit(f"iconv cannot convert {source} to {target}")

    def __call__(self, data):
        """The converted bytes, or None when iconv rejects any of the input."""
        libc = Iconv._libc
        libc.iconv(self._handle, None, None, None, None)  # reset the shift state
        source = ctypes.create_string_buffer(data, len(data))
        target = ctypes.create_string_buffer(64)
        in_ptr = ctypes.c_char_p(ctypes.addressof(source))
        in_left = ctypes.c_size_t(len(data))
        out_ptr = ctypes.c_char_p(ctypes.addressof(target))
        out_left = ctypes.c_size_t(len(target))
        result = libc.iconv(self._handle, ctypes.byref(in_ptr), ctypes.byref(in_left),
                            ctypes.byref(out_ptr), ctypes.byref(out_left))
        if result == ctypes.c_size_t(-1).value or in_left.value != 0:
            return None
        # Some glibc converters count a character they could only guess at
        # (a "best fit") in the result; an exact mapping reports 0.
        if result != 0:
            return None
        return target.raw[: len(target) - out_left.value]

    @staticmethod
    def libc_version():
        return Iconv._libc.gnu_get_libc_version().decode()


class CodePage:
    """Character <-> code of one code page, as glibc's iconv maps them."""

    def __init__(self, name):
        self.name = name
        self._decode = Iconv(name, "UTF-32LE")
        self._encode = Iconv("UTF-32LE", name)

    def decode(self, code_bytes):
        """The single character these bytes stand for, or None."""
        raw = self._decode(code_bytes)
        if raw is None or len(raw) != 4:
            return None
        return raw.decode("utf-32-le")

    def encode(self, char):
        """The character's code as an integer (one or two bytes), or 0."""
        raw = self._encode(char.encode("utf-32-le"))
        if raw is None or len(raw) not in (1, 2) or self.decode(raw) != char:
            # Only exact round trips count: a best-fit guess is no mapping.
            return 0
        if len(raw) == 1:
            return raw[0]
        return raw[0] << 8 | raw[1]


def read_opencc_table(name, work_dir):
    """One OpenCC character table: {character: [candidates, first preferred]}."""
    source = os.path.join(OPENCC_DATA, name + ".ocd2")
    target = os.path.join(work_dir, name + ".txt")
    subprocess.run(["opencc_dict", "-i", source, "-o", target, "-f", "ocd2", "-t", "text"],
                   check=True, stdout=subprocess.DEVNULL)
    table = {}
    with open(target, encoding="utf-8") as lines:
        for line in lines:
            key, _, values = line.rstrip("\n").partition("\t")
            if len(key) == 1 and values:
                table[key] = values.split(" ")
    return table


def opencc_version():
    try:
        result = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "opencc"],
                                capture_output=True, text=True, check=True)
        return result.stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def first_encodable(code_page, candidates):
    for char in candidates:
        if char:
            code = code_page.encode(char)
            if code:
                return code
    return 0


def compatibility(char):
    form = unicodedata.normalize("NFKC", char)
    return form if len(form) == 1 and form != char else None


def build(report):
    gbk, big5, sjis = CodePage("CP936"), CodePage("CP950"), CodePage("CP932")
    with tempfile.TemporaryDirectory() as work_dir:
        to_traditional = read_opencc_table("STCharacters", work_dir)
        to_simplified = read_opencc_table("TSCharacters", work_dir)
        taiwan = read_opencc_table("TWVariants", work_dir)
        japanese = read_opencc_table("JPVariants", work_dir)

    def tw(char):
        return taiwan.get(char, [None])[0]

    def jp(char):
        return japanese.get(char, [None])[0]

    gbk_chars = [(bytes([lead, trail]), gbk.decode(bytes([lead, trail])))
                 for lead in range(0x81, 0xFF) for trail in GBK_TRAILS]

    gbk_to_big5, gbk_to_sjis = [], []
    gbk_to_traditional, gbk_to_simplified = [], []
    unmapped = {"GBK to BIG5": [], "GBK to Shift-JIS": [], "BIG5 to GBK": [],
                "Shift-JIS to GBK": []}
    for code_bytes, char in gbk_chars:
        code = code_bytes[0] << 8 | code_bytes[1]
        if char is None:
            gbk_to_big5.append(0)
            gbk_to_sjis.append(0)
            continue
        traditional = to_traditional.get(char, [])
        candidates = []
        for form in traditional + [char]:
            candidates += [form, tw(form)]
        candidates += [compatibility(char)] + LOOK_ALIKES.get(char, [])
        gbk_to_big5.append(first_encodable(big5, candidates))

        candidates = [char]
        for form in traditional:
            candidates += [jp(form), form]
        candidates += [jp(char), compatibility(char)] + LOOK_ALIKES.get(char, [])
        gbk_to_sjis.append(first_encodable(sjis, candidates))

        for table, pairs in ((to_traditional, gbk_to_traditional),
                             (to_simplified, gbk_to_simplified)):
            forms = table.get(char)
            if forms and forms[0] != char:
                target = gbk.encode(forms[0])
                if target > 0xFF:
                    pairs.append((code, target))
        for name, table in (("GBK to BIG5", gbk_to_big5), ("GBK to Shift-JIS", gbk_to_sjis)):
            if not table[-1]:
                unmapped[name].append((code, char))

    big5_to_gbk = []
    for lead in range(0x81, 0xFF):
        for trail in BIG5_TRAILS:
            char = big5.decode(bytes([lead, trail]))
            if char is None:
                big5_to_gbk.append(0)
                continue
            candidates = [char, compatibility(char)] + LOOK_ALIKES.get(char, [])
            candidates += to_simplified.get(char, [])
            big5_to_gbk.append(first_encodable(gbk, candidates))
            if not big5_to_gbk[-1]:
                unmapped["BIG5 to GBK"].append((lead << 8 | trail, char))

    def sjis_to_gbk_code(code_bytes):
        char = sjis.decode(code_bytes)
        if char is None:
            return 0
        candidates = [char, compatibility(char)] + LOOK_ALIKES.get(char, [])
        code = first_encodable(gbk, candidates)
        if not code:
            unmapped["Shift-JIS to GBK"].append((int.from_bytes(code_bytes, "big"), char))
        return code

    sjis_to_gbk = [sjis_to_gbk_code(bytes([lead, trail]))
                   for lead in SJIS_LEADS for trail in SJIS_TRAILS]
    katakana_to_gbk = [sjis_to_gbk_code(bytes([byte])) for byte in SJIS_KATAKANA]

    if report:
        # GB2312's area of GBK (and BIG5's standard area) holds the common
        # characters; a gap there matters, one among GBK's rare extras less so.
        for name, chars in unmapped.items():
            common = [(code, char) for code, char in chars
                      if code >> 8 >= 0xA1 and code & 0xFF >= 0xA1
                      and not 0xE000 <= ord(char) <= 0xF8FF]
            print(f"{name}: {len(chars)} unmapped, {len(common)} of them common:",
                  file=sys.stderr)
            print("  " + " ".join(f"{code:04X}:{char}" for code, char in common), file=sys.stderr)

    return {
        "gbk_to_big5": gbk_to_big5,
        "big5_to_gbk": big5_to_gbk,
        "gbk_to_traditional": sorted(gbk_to_traditional),
        "gbk_to_simplified": sorted(gbk_to_simplified),
        "gbk_to_sjis": gbk_to_sjis,
        "sjis_to_gbk": sjis_to_gbk,
        "katakana_to_gbk": katakana_to_gbk,
    }


def format_array(name, values, comment):
    lines = [f"// {comment}", f"constexpr std::uint16_t {name}[{len(values)}] = {{"]
    row = []
    for value in values:
        row.append(f"0x{value:X}" if value else "0")
        if len(row) == 16:
            lines.append(",".join(row) + ",")
            row = []
    if row:
        lines.append(",".join(row) + ",")
    lines.append("};")
    return "\n".join(lines)


def render(tables):
    def pairs(values):
        return [number for pair in values for number in pair]

    parts = [
        "// Generated by tools/gen_encoding_tables.py; do not edit, run the script.",
        f"// Code pages: glibc {Iconv.libc_version()} iconv (CP936, CP950, CP932)."
        f" Characters: OpenCC {opencc_version()}.",
        "// A value is the target character's code: two bytes, lead byte high, or one",
        "// byte below 0x100; 0 means the character has no counterpart.",
        "// GBK index: (lead - 0x81) * 190 + trail - 0x40, one less for trail 0x80 and up.",
        "// BIG5 index: (lead - 0x81) * 157 + trail - 0x40, or trail - 0x62 from 0xA1.",
        "// Shift-JIS index: lead 0x81..0x9F, 0xE0..0xFC as 0..59, times 188, plus",
        "// the trail index as for GBK.",
        "",
        format_array("kGbkToBig5Table", tables["gbk_to_big5"],
                     "GBK simplified (or any GBK) character -> BIG5 of its traditional form."),
        "",
        format_array("kBig5ToGbkTable", tables["big5_to_gbk"], "BIG5 character -> the same in GBK."),
        "",
        format_array("kGbkToTraditionalPairs", pairs(tables["gbk_to_traditional"]),
                     "Sorted (GBK simplified, GBK traditional) pairs; characters not listed stay."),
        "",
        format_array("kGbkToSimplifiedPairs", pairs(tables["gbk_to_simplified"]),
                     "Sorted (GBK traditional, GBK simplified) pairs; characters not listed stay."),
        "",
        format_array("kGbkToShiftJisTable", tables["gbk_to_sjis"],
                     "GBK character -> Shift-JIS (code page 932)."),
        "",
        format_array("kShiftJisToGbkTable", tables["sjis_to_gbk"],
                     "Shift-JIS double-byte character -> GBK."),
        "",
        format_array("kKatakanaToGbkTable", tables["katakana_to_gbk"],
                     "Shift-JIS half-width katakana 0xA1..0xDF -> GBK full-width katakana."),
        "",
    ]
    return "\n".join(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the checked-in file instead of writing it")
    parser.add_argument("--report", action="store_true",
                        help="list the characters that found no counterpart")
    parser.add_argument("--output", default=OUTPUT)
    args = parser.parse_args()

    text = render(build(args.report))
    if args.check:
        with open(args.output, encoding="utf-8") as existing:
            if existing.read() != text:
                print(f"{args.output} is out of date", file=sys.stderr)
                return 1
        return 0
    with open(args.output, "w", encoding="utf-8", newline="\n") as output:
        output.write(text)
    print(f"wrote {args.output} ({len(text.encode())} bytes)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
