#!/usr/bin/env python3
"""Makes the pictures, sounds, icon and skins that the launcher carries inside its exe.

Run it from anywhere:

    python3 assets/make_assets.py            # rewrites every asset next to this script
    python3 assets/make_assets.py --check    # fails when a checked-in asset differs

It needs ImageMagick's `convert` and the fonts of the Debian packages fonts-dejavu-core and
fonts-wqy-microhei; the sounds, the icon container and the skins are written by this script
itself. The output is deterministic for a given ImageMagick and font version, so the files are
checked in and a normal build never runs this script.
"""

import argparse
import colorsys
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

FONT_LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_LATIN = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

JPEG = ["-strip", "-sampling-factor", "2x2", "-quality", "88"]

# The sound sizes are those the mode chooser's picture buttons are known to carry.
HOVER_WAV_SIZE = 2622
CLICK_WAV_SIZE = 2996
SKIN_COUNT = 33


def convert(args, out):
    """Runs ImageMagick; returns its standard output (the picture when `out` names stdout)."""
    cmd = ["convert"] + [str(a) for a in args] + [out]
    result = subprocess.run(cmd, check=True, stdout=subprocess.PIPE)
    return result.stdout


def jpeg(path, size, draw):
    convert(["-size", size] + draw + JPEG, path)


# ---------------------------------------------------------------- pictures


def banner(path):
    """800 x 400 title art; the main window shows it squeezed to 512 x 176, so every element
    is wide and tall enough to survive that."""
    draw = [
        "gradient:#16202e-#05070a",
        "(", "-size", "900x520", "radial-gradient:rgba(255,118,20,0.50)-rgba(255,118,20,0)",
        "-geometry", "+230-60", ")", "-composite",
        "(", "-size", "500x400", "radial-gradient:rgba(80,140,200,0.22)-rgba(80,140,200,0)",
        "-geometry", "-120-40", ")", "-composite",
        # wind streaks
        "-fill", "none", "-stroke", "rgba(160,200,230,0.16)", "-strokewidth", "2",
        "-draw", "path 'M -20,318 C 180,238 380,350 820,196'",
        "-draw", "path 'M -20,346 C 220,280 440,380 820,236'",
        "-stroke", "rgba(160,200,230,0.08)", "-strokewidth", "7",
        "-draw", "path 'M -20,290 C 200,210 420,320 820,160'",
        # northern ridge
        "-stroke", "none", "-fill", "#0a0d12",
        "-draw", "polygon 0,400 0,352 70,318 120,338 190,300 260,344 330,326 400,360 470,334 "
        "560,366 640,340 720,362 800,336 800,400",
        # keystone emblem with its north mark
        "-fill", "rgba(255,138,42,0.10)", "-stroke", "#ff8a2a", "-strokewidth", "4",
        "-draw", "polygon 36,104 204,104 176,296 64,296",
        "-fill", "none", "-stroke", "rgba(255,138,42,0.45)", "-strokewidth", "2",
        "-draw", "polygon 52,118 188,118 164,282 76,282",
        "-stroke", "none", "-fill", "#ff8a2a", "-draw", "polygon 120,60 129,84 111,84",
        "-font", FONT_LATIN_BOLD, "-pointsize", "46", "-gravity", "NorthWest",
        "-fill", "rgba(0,0,0,0.55)", "-annotate", "+74+176", "ZNK",
        "-fill", "#ff9a40", "-annotate", "+71+173", "ZNK",
        # title
        "-fill", "rgba(0,0,0,0.6)", "-pointsize", "54", "-kerning", "2",
        "-annotate", "+233+133", "ZEPHYR NORTH", "-annotate", "+233+193", "KEYSTONE",
        "-fill", "#eef2f6", "-annotate", "+230+130", "ZEPHYR NORTH",
        "-fill", "#ffb060", "-annotate", "+230+190", "KEYSTONE",
        "-fill", "#8fa3b8", "-pointsize", "20", "-kerning", "6",
        "-annotate", "+232+98", "COUNTER-STRIKE 1.6",
        "-stroke", "#ff8a2a", "-strokewidth", "2", "-draw", "line 232,262 760,262",
        "-stroke", "none", "-fill", "#c9d3de", "-font", FONT_CJK, "-pointsize", "24",
        "-kerning", "2", "-annotate", "+232+272", "ZNK 模组启动器 · 单机对战准备",
    ]
    jpeg(path, "800x400", draw)


# Mode pictures: number, top colour, bottom colour, accent, Chinese title, English title.
MODES = [
    (1, "#2a3440", "#10151b", "#9fb4c8", "竞技模式", "CLASSIC"),
    (2, "#3a2a22", "#140f0c", "#e0a060", "团队决战", "TEAM DEATHMATCH"),
    (3, "#1f3320", "#0b120b", "#8fd070", "生化模式 I", "ZOMBIE MOD"),
    (4, "#3b1414", "#120606", "#ff6a3a", "生化大逃杀", "ZOMBIE ESCAPE"),
    (5, "#14243b", "#060a12", "#ffc040", "枪王决战", "GUN MASTER"),
]


def mode_symbol(number, accent):
    """A small emblem per mode, drawn around the centre (107, 52)."""
    stroke = ["-fill", "none", "-stroke", accent, "-strokewidth", "3"]
    if number == 1:  # crosshair
        return stroke + ["-draw", "circle 107,52 107,28", "-draw", "line 107,18 107,40",
                         "-draw", "line 107,64 107,86", "-draw", "line 73,52 95,52",
                         "-draw", "line 119,52 141,52"]
    if number == 2:  # two crossed blades
        return stroke + ["-draw", "line 85,26 129,78", "-draw", "line 129,26 85,78",
                         "-draw", "circle 107,52 107,44"]
    if number == 3:  # hazard trefoil
        return stroke + ["-draw", "circle 107,38 107,26", "-draw", "circle 95,60 95,48",
                         "-draw", "circle 119,60 119,48"]
    if number == 4:  # exit arrow through a door
        return stroke + ["-draw", "rectangle 80,24 110,80",
                         "-draw", "polyline 96,52 140,52", "-draw", "polyline 128,40 140,52 128,64"]
    return stroke + ["-draw", "polygon 107,20 115,42 138,42 119,56 126,80 107,66 88,80 95,56 "
                     "76,42 99,42"]  # star


def mode_picture(path, number, top, bottom, accent, chinese, english):
    draw = [f"gradient:{top}-{bottom}"] + mode_symbol(number, accent) + [
        "-stroke", "none", "-fill", "rgba(0,0,0,0.45)",
        "-draw", "rectangle 0,92 214,128",
        "-fill", "#f2f2f2", "-font", FONT_CJK, "-pointsize", "17", "-gravity", "North",
        "-annotate", "+0+93", chinese,
        "-fill", accent, "-font", FONT_LATIN_BOLD, "-pointsize", "9", "-kerning", "2",
        "-annotate", "+0+115", english,
        "-fill", "none", "-stroke", accent, "-strokewidth", "1",
        "-draw", "rectangle 0,0 213,127",
    ]
    jpeg(path, "214x128", draw)


def silhouette(kind):
    """Grey line art of a weapon kind on a 300-pixel-wide placeholder."""
    art = ["-fill", "#d6d9dd", "-stroke", "#b8bdc3", "-strokewidth", "2"]
    if kind == "primary":
        return art + ["-draw", "polygon 40,40 200,40 200,34 236,34 236,40 262,40 262,48 "
                      "200,48 170,52 150,52 140,74 122,74 130,52 96,52 86,62 44,62 40,52"]
    if kind == "secondary":
        return art + ["-draw", "polygon 110,34 190,34 190,48 150,48 146,76 126,76 130,48 110,48"]
    if kind == "melee":
        return art + ["-draw", "polygon 90,70 210,46 222,52 214,60 100,80",
                      "-draw", "rectangle 66,66 96,86"]
    if kind == "grenade":
        return art + ["-draw", "ellipse 150,52 20,24 0,360",
                      "-draw", "rectangle 142,22 158,30", "-draw", "line 158,26 172,40"]
    return art + ["-fill", "#c8ccd1", "-stroke", "none", "-font", FONT_LATIN_BOLD,
                  "-pointsize", "56", "-gravity", "North", "-annotate", "+0+6", "?"]


def placeholder(path, width, height, kind, chinese, english):
    """Drawn on a 300 x 103 canvas, then centred on white to the wanted height."""
    draw = ["xc:#ffffff"] + silhouette(kind) + [
        "-stroke", "none", "-fill", "#8a9098", "-font", FONT_CJK, "-pointsize", "14",
        "-gravity", "South", "-annotate", "+0+4", f"{chinese}  {english}",
        "-background", "#ffffff", "-gravity", "center", "-extent", f"{width}x{height}",
        "-fill", "none", "-stroke", "#e3e6e9", "-strokewidth", "1",
        "-draw", f"rectangle 0,0 {width - 1},{height - 1}",
    ]
    jpeg(path, "300x103", draw)


# ---------------------------------------------------------------- sounds


class Lcg:
    """A tiny generator of our own, so that the noise never changes with Python's version."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x7FFFFFFF * 2.0 - 1.0


def wav_bytes(total_size, rate, synth):
    """A 16-bit mono PCM RIFF WAVE of exactly total_size bytes."""
    data_size = total_size - 44
    assert data_size > 0 and data_size % 2 == 0
    frames = data_size // 2
    samples = bytearray()
    for i in range(frames):
        value = max(-1.0, min(1.0, synth(i / rate, i / frames)))
        samples += struct.pack("<h", int(round(value * 32000)))
    header = b"RIFF" + struct.pack("<I", total_size - 8) + b"WAVE"
    fmt = b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16)
    data = b"data" + struct.pack("<I", data_size)
    out = header + fmt + data + bytes(samples)
    assert len(out) == total_size
    return out


def hover_sound():
    noise = Lcg(7)

    def synth(t, _progress):
        env = math.exp(-t * 90.0)
        return 0.45 * env * math.sin(2 * math.pi * 2600 * t) + 0.08 * env * noise.next()

    return wav_bytes(HOVER_WAV_SIZE, 22050, synth)


def click_sound():
    noise = Lcg(11)

    def synth(t, _progress):
        snap = math.exp(-t * 400.0) * noise.next() * 0.7
        body = math.exp(-t * 55.0) * math.sin(2 * math.pi * (1300 - 500 * t * 10) * t) * 0.5
        return snap + body

    return wav_bytes(CLICK_WAV_SIZE, 22050, synth)


# ---------------------------------------------------------------- icon


def icon_rgba(size):
    """The icon drawn large and scaled down, as RGBA bytes, rows from the top."""
    draw = [
        "xc:none",
        "-fill", "#141c28", "-stroke", "#ff8a2a", "-strokewidth", "10",
        "-draw", "roundrectangle 8,8 247,247 40,40",
        "-stroke", "none", "-fill", "#ff8a2a",
        "-draw", "polygon 46,56 210,56 182,214 74,214",
        "-fill", "#141c28",
        "-draw", "polygon 84,84 172,84 172,104 116,170 168,170 164,190 84,190 84,170 "
        "140,104 88,104",
    ]
    return convert(["-size", "256x256", "-background", "none"] + draw +
                   ["-filter", "Lanczos", "-resize", f"{size}x{size}", "-depth", "8"], "rgba:-")


def median_cut(colours, count):
    """A palette of at most `count` colours for the pixels' colours (deterministic)."""
    boxes = [sorted(set(colours))]
    while len(boxes) < count:
        boxes.sort(key=lambda b: -len(b))
        box = boxes[0]
        if len(box) < 2:
            break
        spans = [max(c[i] for c in box) - min(c[i] for c in box) for i in range(3)]
        axis = spans.index(max(spans))
        box = sorted(box, key=lambda c: (c[axis], c))
        half = len(box) // 2
        boxes[0:1] = [box[:half], box[half:]]
    palette = []
    for box in boxes:
        palette.append(tuple(sum(c[i] for c in box) // len(box) for i in range(3)))
    return sorted(set(palette))


def ico_image(size, rgba, bits):
    """One icon image: a BITMAPINFOHEADER, the colour bits and the AND mask, rows bottom-up."""
    pixels = [tuple(rgba[i:i + 4]) for i in range(0, len(rgba), 4)]
    rows = [pixels[y * size:(y + 1) * size] for y in range(size)][::-1]
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in rows:
        line = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    if bits == 32:
        palette = b""
        body = bytearray()
        for row in rows:
            for r, g, b, a in row:
                body += bytes((b, g, r, a))
    else:
        opaque = [p[:3] for p in pixels if p[3] >= 128]
        colours = median_cut(opaque, 255)
        table = [(0, 0, 0)] + colours
        cache = {}

        def nearest(c):
            if c not in cache:
                cache[c] = min(range(1, len(table)),
                               key=lambda i: sum((table[i][k] - c[k]) ** 2 for k in range(3)))
            return cache[c]

        table += [(0, 0, 0)] * (256 - len(table))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in table)
        stride = (size + 3) & ~3
        body = bytearray()
        for row in rows:
            line = bytearray(stride)
            for x, p in enumerate(row):
                line[x] = nearest(p[:3]) if p[3] >= 128 else 0
            body += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(body) + len(mask), 0, 0, 256 if bits == 8 else 0, 0)
    return header + palette + bytes(body) + bytes(mask)


def png_bytes(size, rgba):
    """A true-colour PNG with alpha, as Windows Vista and later read the large icon image."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    stride = size * 4
    raw = b"".join(b"\0" + rgba[y * stride:(y + 1) * stride] for y in range(size))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# The icon's sizes: the small and large icons at 100 % to 150 % display scale, and the
# 256 px image that Explorer shows for large and extra large icons.
ICON_SIZES = (48, 32, 24, 16)
ICON_LARGE = 256


def icon_bytes():
    images = []
    for bits in (8, 32):
        for size in ICON_SIZES:
            images.append((size, bits, ico_image(size, icon_rgba(size), bits)))
    images.append((ICON_LARGE, 32, png_bytes(ICON_LARGE, icon_rgba(ICON_LARGE))))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        # Sizes and the colour count are bytes: 256 px is written as 0, and so are 256
        # colours and true colour.
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


# ---------------------------------------------------------------- skins

# Colour slots of a skin, in file order (see docs/skin-format.md).
SKIN_SLOTS = ["window", "text", "button", "button_hot", "button_pressed", "button_text",
              "disabled_text", "border", "title_start", "title_end", "title_text",
              "edit", "edit_text", "accent"]
SKIN_RECORD_SIZE = 176
SKIN_FLAG_DARK = 1
SKIN_FLAG_PAINT_BUTTONS = 2


def hls(h, l, s):
    r, g, b = colorsys.hls_to_rgb((h % 360) / 360.0, l, s)
    return (round(r * 255), round(g * 255), round(b * 255))


def skin_palette(family, hue):
    """Colours of one skin: a dark, a light or a steel family, tinted by an accent hue."""
    if family == "dark":
        base = 215
        return {
            "window": hls(base, 0.13, 0.16), "text": hls(base, 0.92, 0.20),
            "button": hls(base, 0.22, 0.14), "button_hot": hls(hue, 0.30, 0.45),
            "button_pressed": hls(hue, 0.40, 0.65), "button_text": hls(base, 0.95, 0.15),
            "disabled_text": hls(base, 0.52, 0.08), "border": hls(base, 0.40, 0.14),
            "title_start": hls(hue, 0.42, 0.75), "title_end": hls(base, 0.12, 0.20),
            "title_text": (255, 255, 255), "edit": hls(base, 0.09, 0.15),
            "edit_text": hls(base, 0.92, 0.20), "accent": hls(hue, 0.58, 0.90),
        }
    if family == "light":
        return {
            "window": hls(hue, 0.95, 0.20), "text": hls(hue, 0.12, 0.30),
            "button": hls(hue, 0.88, 0.25), "button_hot": hls(hue, 0.80, 0.55),
            "button_pressed": hls(hue, 0.68, 0.60), "button_text": hls(hue, 0.10, 0.30),
            "disabled_text": hls(hue, 0.60, 0.08), "border": hls(hue, 0.45, 0.60),
            "title_start": hls(hue, 0.45, 0.60), "title_end": hls(hue, 0.80, 0.40),
            "title_text": (255, 255, 255), "edit": (255, 255, 255),
            "edit_text": (0, 0, 0), "accent": hls(hue, 0.45, 0.80),
        }
    return {  # steel: mid greys with a coloured edge
        "window": hls(hue, 0.78, 0.06), "text": hls(hue, 0.08, 0.10),
        "button": hls(hue, 0.70, 0.08), "button_hot": hls(hue, 0.62, 0.35),
        "button_pressed": hls(hue, 0.52, 0.45), "button_text": hls(hue, 0.06, 0.10),
        "disabled_text": hls(hue, 0.50, 0.05), "border": hls(hue, 0.38, 0.55),
        "title_start": hls(hue, 0.35, 0.45), "title_end": hls(hue, 0.60, 0.15),
        "title_text": (255, 255, 255), "edit": hls(hue, 0.97, 0.05),
        "edit_text": (0, 0, 0), "accent": hls(hue, 0.40, 0.75),
    }


def skin_bytes(number):
    """Skin 1 to 33: eleven accent hues in each of the dark, light and steel families.
    Skin 9, the one the launcher attaches, is the dark family in the banner's orange."""
    family = ["dark", "light", "steel"][(number - 1) // 11]
    hue = (28 + ((number - 1) % 11 - 8) * 33) % 360
    colours = skin_palette(family, hue)
    flags = SKIN_FLAG_PAINT_BUTTONS | (SKIN_FLAG_DARK if family == "dark" else 0)
    name = f"ZNK {family} {hue:03d}".encode("ascii")
    face = "Tahoma".encode("utf-16-le")
    body = bytearray()
    body += name.ljust(32, b"\0")
    for slot in SKIN_SLOTS:
        body += bytes(colours[slot]) + b"\0"
    body += struct.pack("<HHBB", 13, 400, 1, 0)  # 13 px, normal weight, DEFAULT_CHARSET
    body += b"\0\0"
    body += face.ljust(64, b"\0")
    assert 16 + len(body) == SKIN_RECORD_SIZE
    crc = zlib.crc32(bytes(body)) & 0xFFFFFFFF
    header = b"ZSHE" + struct.pack("<HHII", 1, flags, SKIN_RECORD_SIZE, crc)
    return header + bytes(body)


# ---------------------------------------------------------------- driver


def build(out_dir):
    """Writes every asset into out_dir; returns the relative paths written."""
    written = []

    def path(name):
        full = os.path.join(out_dir, name)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        written.append(name)
        return full

    def write(name, data):
        with open(path(name), "wb") as f:
            f.write(data)

    banner(path("banner.jpg"))
    for number, top, bottom, accent, chinese, english in MODES:
        mode_picture(path(f"mode{number}.jpg"), number, top, bottom, accent, chinese, english)
    placeholder(path("slot_primary.jpg"), 300, 103, "primary", "主武器", "PRIMARY")
    placeholder(path("slot_secondary.jpg"), 300, 103, "secondary", "副武器", "SECONDARY")
    placeholder(path("slot_melee.jpg"), 300, 155, "melee", "近身武器", "MELEE")
    placeholder(path("slot_grenade.jpg"), 300, 104, "grenade", "投掷武器", "GRENADE")
    placeholder(path("chooser_placeholder.jpg"), 300, 103, "any", "选择武器", "WEAPON")
    write("hover.wav", hover_sound())
    write("click.wav", click_sound())
    write("znk.ico", icon_bytes())
    for number in range(1, SKIN_COUNT + 1):
        write(f"skins/skin{number:02d}.she", skin_bytes(number))
    return written


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=HERE, help="folder to write (default: this folder)")
    parser.add_argument("--check", action="store_true",
                        help="build into a temporary folder and compare with the checked-in files")
    args = parser.parse_args()
    for font in (FONT_LATIN_BOLD, FONT_LATIN, FONT_CJK):
        if not os.path.exists(font):
            sys.exit(f"make_assets: missing font {font}")
    if not args.check:
        names = build(args.out)
        print(f"make_assets: wrote {len(names)} files to {args.out}")
        return
    with tempfile.TemporaryDirectory() as tmp:
        names = build(tmp)
        differ = []
        for name in names:
            with open(os.path.join(tmp, name), "rb") as a:
                fresh = a.read()
            try:
                with open(os.path.join(HERE, name), "rb") as b:
                    stored = b.read()
            except FileNotFoundError:
                stored = None
            if fresh != stored:
                differ.append(name)
        if differ:
            sys.exit("make_assets: differs from the checked-in copy: " + ", ".join(differ))
        print(f"make_assets: all {len(names)} files match")


if __name__ == "__main__":
    main()
