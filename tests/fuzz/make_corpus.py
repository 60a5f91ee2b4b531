#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (corpus/<target>/) from a demo game folder
that tools/make_demo_game.py writes. Run again when the demo's files change; the
regression inputs (files named crash-* or case-*) are kept.

    tests/fuzz/make_corpus.py"""

import os
import shutil
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(os.path.dirname(here))
sys.path.insert(0, os.path.join(root, "tools"))
from make_demo_game import make_demo_game  # noqa: E402


def packs_only(buy_menu):
    lines = buy_menu.split(b"\n")
    kept = []
    for n, line in enumerate(lines):
        if line.startswith(b"//WeaponPack") and n + 1 < len(lines):
            kept += [line, lines[n + 1]]
    return b"\n".join(kept) + b"\n"


def main():
    corpus = os.path.join(here, "corpus")
    with tempfile.TemporaryDirectory() as game:
        make_demo_game(game)

        def read(relative):
            with open(os.path.join(game, relative), "rb") as f:
                return f.read()

        seeds = {}

        def seed(target, name, data):
            seeds.setdefault(target, {})[name] = data

        configs = "cstrike/addons/amxmodx/configs/"
        for name in ("znk_precachewpn.ini", "plugins-zb1.ini"):
            for edit in (b"\x00\x01\x02\x01", b"\x01\x02\x03\x00", b"\x02\x00\x00\x00"):
                seed("ini_fuzz", f"{name}-{edit[0]}", edit + read(configs + name))
        seed("ini_fuzz", "language.ini", b"\x00\x00\x00\x01" + read("LauncherRes/Data/language.ini"))
        seed("ini_fuzz", "metahook.txt", b"\x00\x00\x00\x02" + read("metahook.txt"))
        for key in range(15):
            seed("metahook_fuzz", f"metahook-{key}", bytes([key]) + read("metahook.txt"))

        seed("map_list_fuzz", "Maps.ini", read("LauncherRes/Data/Maps.ini"))
        catalogue = read(configs + "znk_wpn.ini")
        seed("catalogue_fuzz", "znk_wpn.ini", b"\x00" + catalogue)
        seed("catalogue_fuzz", "znk_wpn.ini-big5", b"\x01" + catalogue)
        buy_menu = read("cstrike/resource/UI/MainBuyMenu.res")
        for pack in range(6):
            seed("buy_menu_fuzz", f"MainBuyMenu-{pack}", bytes([pack, 0, 2, 3, 4]) + buy_menu)
        # The same packs in a file of the marker lines and the lines after them
        # alone: a small input to mutate, as the runs are cut at 2 KiB.
        seed("buy_menu_fuzz", "packs-only", bytes([3, 0, 2, 3, 4]) + packs_only(buy_menu))
        layout = read("cstrike/resource/LoadingDialogNoBanner.res")
        for width, height in ((1024, 768), (640, 480), (1920, 1080), (0, 0)):
            size = bytes([width & 255, width >> 8, height & 255, height >> 8])
            seed("loading_layout_fuzz", f"layout-{width}x{height}", size + layout)
        present = sorted(os.listdir(os.path.join(game, configs)))
        states = {"plugins": 0, "disabled": 1}
        tags = ["none", "td", "zb1", "ze", "gd"]
        lists = bytes(states[n.split("-")[0]] << 3 | tags.index(n.split("-")[1][:-4])
                      for n in present if n.split("-")[0] in states and "-" in n
                      and n.split("-")[1][:-4] in tags)
        seed("game_modes_fuzz", "demo-configs", lists)

        # Texts as the launcher converts them: the catalogue's UTF-8 lines, the
        # GBK of the map list and the mode tips, and those in BIG5.
        tip = read("LauncherRes/Data/ModeTip/Tip_3.txt")
        maps = read("LauncherRes/Data/Maps.ini")
        big5 = maps.decode("gbk").encode("big5", "replace")
        seed("text_fuzz", "utf8-catalogue", b"\x00" + catalogue[:1500])
        for conversion in (1, 3, 4, 6):
            seed("text_fuzz", f"gbk-{conversion}", bytes([conversion]) + maps + tip)
        for conversion in (2, 5):
            seed("text_fuzz", f"big5-{conversion}", bytes([conversion]) + big5)
        seed("text_fuzz", "sjis-7", b"\x07" + maps.decode("gbk").encode("shift_jis", "replace"))

        # Pictures: a weapon picture as it is, a map preview made small as a BMP
        # (24-bit and with a palette) and as a GIF.
        seed("picture_fuzz", "knife.jpg", read("wpnpics/knife.jpg"))
        preview = os.path.join(game, "LauncherRes/Data/Maps/kengdie.bmp")
        for name, args in (("kengdie-24.bmp", ["-resize", "20x11", "BMP3:"]),
                           ("kengdie-8.bmp", ["-resize", "20x11", "-colors", "16", "BMP3:"]),
                           ("kengdie.gif", ["-resize", "20x11", "GIF:"])):
            out = os.path.join(game, name)
            subprocess.run(["convert", preview] + args[:-1] + [args[-1] + out], check=True)
            with open(out, "rb") as f:
                seed("picture_fuzz", name, f.read())

        # The music's start, as it is and after an ID3v2 tag.
        music = read("mywpnbg.mp3")[:3000]
        seed("mp3_fuzz", "mywpnbg.mp3", music)
        seed("mp3_fuzz", "mywpnbg-tagged.mp3", b"ID3\x03\x00\x00\x00\x00\x00\x14" + bytes(20) + music)

    skins = os.path.join(root, "assets", "skins")
    for name in sorted(os.listdir(skins)):
        with open(os.path.join(skins, name), "rb") as f:
            seed("skin_data_fuzz", name, f.read())

    for target, files in seeds.items():
        folder = os.path.join(corpus, target)
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):
            if not old.startswith(("crash-", "case-")):
                os.remove(os.path.join(folder, old))
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
