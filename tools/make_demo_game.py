#!/usr/bin/env python3
"""Writes a demo game folder for the launcher: the files of a ZNK installation that the
launcher reads, renames, rewrites and starts, with made-up but realistic content.

    python3 tools/make_demo_game.py demo
    python3 tools/make_demo_game.py /tmp/game --mode 5 --only maps,modes,loading
    python3 tools/make_demo_game.py demo --standin build/windows/tools/standin/cstrike_standin.exe

Texts are written with the bytes the game's own files have: GBK for the Chinese texts of the
INI and layout files, UTF-8 for the weapon catalogue, CR LF line ends. File names are ASCII.
Pictures need ImageMagick's `convert`; the background music is encoded with `lame` when it is
installed and is otherwise a short silent MP3 written by this script.

Tests import it: make_demo_game(root, parts, mode, ...) writes the chosen parts and returns
the paths written; the tables below (MAPS, WEAPONS, PACKS, ...) say what the folder holds.
"""

import argparse
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# ---------------------------------------------------------------- what the folder holds

# Maps.ini, in file order: file name, display name as written (blanks included), where the
# level file is installed ("cstrike", "schinese" or None), whether it has a preview.
MAPS = [
    ("de_dust2", "炙热沙城2", "cstrike", True),
    ("de_inferno", "炼狱小镇", "cstrike", True),
    ("de_nuke ", " 核子危机", "cstrike", True),
    ("de_westwood", "西部小镇", None, True),
    ("de_train", "列车停放站", "cstrike", True),
    ("cs_italy", "意大利小镇", "cstrike", True),
    ("cs_office", "办公大楼", "cstrike", True),
    ("cs_assault", "突击行动", None, False),
    ("de_aztec", "阿兹特克", "cstrike", True),
    ("de_dust", "沙漠风暴", "cstrike", True),
    ("de_cbble", "古\u3000城堡", "cstrike", False),
    ("fy_iceworld", "Ice World", "cstrike", True),
    ("zm_deathcity", "死亡都市", "schinese", True),
    ("de_survivor", "幸存者", None, False),
    ("ze_jurassicpark", "侏罗纪公园", "cstrike", False),
]


def installed_maps():
    """(file name, display name) of the entries the launcher lists, blanks removed as it does."""
    def squeeze(text):
        return text.replace(" ", "").replace("\u3000", "")
    return [(squeeze(f), squeeze(d)) for f, d, where, _ in MAPS if where]


# Mode number, tag, loading-image code, chooser picture (modes 1 to 3), tip.
MODES = [
    (1, "none", "NO", "mod_bg_none.jpg", "竞技模式：经典的爆破与营救，回合制，死亡后等待下一回合。"),
    (2, "td", "DM1", "mod_bg_td.jpg", "团队决战模式：死亡后立即复活，先达到目标击杀数的队伍获胜。"),
    (3, "zb1", "ZM3", "mod_bg_zb1.jpg", "生化模式I：回合开始后随机玩家变为僵尸，人类需坚持到回合结束。"),
    (4, "ze", "ZE", None, "生化大逃杀：人类沿地图路线撤离，僵尸在后方追赶。"),
    (5, "gd", "GD", None, "枪王决战模式：每次击杀更换武器，最先用完所有武器的玩家获胜。"),
]

# The weapon catalogue: display name (UTF-8 in the file), model, sub-value, weapon id.
WEAPONS = [
    ("AK-47", "ak47", "0", 28), ("M4A1", "m4a1", "0", 22), ("AWP", "awp", "0", 18),
    ("AK-47 赤龙", "ak47_dragon", "1", 28), ("M4A1 暗影", "m4a1_dark", "1", 22),
    ("AWP 黄金", "awp_gold", "1", 18), ("MP5 冲锋枪", "mp5", "0", 19),
    ("P90", "p90", "0", 30), ("UMP45", "ump45", "0", 12), ("Mac-10", "mac10", "0", 7),
    ("TMP", "tmp", "0", 23), ("M3 霰弹枪", "m3", "0", 21), ("XM1014", "xm1014", "0", 5),
    ("M249 机枪", "m249", "0", 20), ("Galil", "galil", "0", 14), ("FAMAS", "famas", "0", 15),
    ("AUG", "aug", "0", 8), ("SG552", "sg552", "0", 27), ("Scout", "scout", "0", 3),
    ("SG550", "sg550", "0", 13), ("G3SG1", "g3sg1", "0", 24), ("加特林", "gatling", "2", 20),
    ("USP", "usp", "0", 16), ("Glock 18", "glock18", "0", 17), ("沙漠之鹰", "deagle", "0", 26),
    ("P228", "p228", "0", 1), ("双持贝瑞塔", "elite", "0", 10),
    ("Five-SeveN", "fiveseven", "0", 11), ("沙漠之鹰 黄金", "deagle_gold", "1", 26),
    ("军刀", "knife", "", 29), ("开山斧", "axe", "0", 29), ("武士刀", "katana", "0", 29),
    ("高爆手雷", "hegrenade", "0", 4), ("圣水手雷", "holybomb", "1", 4),
    ("C4 炸弹", "c4", "0", 6),  # an id outside the four categories: listed on no page
]
# Models without a picture in wpnpics, so that the empty-picture path shows.
MODELS_WITHOUT_PICTURE = {"gatling", "c4"}

# The inventory: key, models owned.
INVENTORY = [
    ("RIFLES", ["ak47", "m4a1", "awp", "ak47_dragon", "mp5"]),
    ("PISTOLS", ["usp", "deagle", "glock18"]),
    ("KNIFES", ["knife", "axe"]),
    ("HEGRENADES", ["hegrenade"]),
]

# The five quick-buy packs: primary, secondary, melee, grenade.
PACKS = [
    ("ak47", "deagle", "knife", "hegrenade"),
    ("m4a1", "usp", "knife", "hegrenade"),
    ("awp", "deagle", "axe", "hegrenade"),
    ("mp5", "glock18", "knife", "hegrenade"),
    ("ak47_dragon", "usp", "axe", "hegrenade"),
]
PACK_TAIL = "secammo;primammo;flash;flash;sgren;vesthelm;defuser"

# metahook.txt, section tattoo.
ARMS = {"enable": "1", "male": "male_1", "female": "female_2"}
ARMS_NAMES = ["常规手臂", "合金蓝手", "合金红手"]

PARTS = ["language", "maps", "modes", "loading", "weapons", "buymenu", "arms", "music", "game"]

CONFIGS = "cstrike\\addons\\amxmodx\\configs"

# ---------------------------------------------------------------- writing


class Folder:
    """The game folder being written; paths are given the launcher's way, with backslashes."""

    def __init__(self, root):
        self.root = os.path.abspath(root)
        self.written = []

    def path(self, relative):
        full = os.path.join(self.root, *relative.split("\\"))
        os.makedirs(os.path.dirname(full), exist_ok=True)
        return full

    def folder(self, relative):
        os.makedirs(os.path.join(self.root, *relative.split("\\")), exist_ok=True)

    def bytes(self, relative, data):
        with open(self.path(relative), "wb") as f:
            f.write(data)
        self.written.append(relative)

    def text(self, relative, lines, encoding="gbk", final_newline=True):
        data = "\r\n".join(lines) + ("\r\n" if final_newline else "")
        self.bytes(relative, data.encode(encoding))

    def picture(self, relative, size, draw, fmt="jpg"):
        """A picture drawn by ImageMagick; fmt is "jpg" or "bmp" (24-bit BMP3)."""
        target = self.path(relative)
        out = ("BMP3:" if fmt == "bmp" else "") + target
        args = ["convert", "-size", size] + draw + ["-strip", "-quality", "85", out]
        subprocess.run(args, check=True)
        self.written.append(relative)


def card(top, bottom, title, subtitle, title_size=22, light=False):
    """A picture with a title: the common look of the demo's pictures. Light cards (weapon
    pictures, shown on white) take dark ink."""
    shadow, ink, small = (("rgba(255,255,255,0.7)", "#1c2026", "#4a525c") if light else
                          ("rgba(0,0,0,0.5)", "#f4f4f4", "#c8d0d8"))
    return [f"gradient:{top}-{bottom}", "-gravity", "center", "-font", FONT,
            "-fill", shadow, "-pointsize", str(title_size),
            "-annotate", "+2-6", title, "-fill", ink, "-annotate", "+0-8", title,
            "-fill", small, "-pointsize", str(max(9, title_size // 2)),
            "-annotate", f"+0+{title_size // 2 + 8}", subtitle]


def tga(width, height, colour):
    """An uncompressed 24-bit TGA in one colour with a lighter top edge."""
    r, g, b = colour
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, width, height, 24, 0)
    rows = []
    for y in range(height):  # bottom row first
        light = 40 if y == height - 1 else 0
        rows.append(bytes((min(255, b + light), min(255, g + light), min(255, r + light))) * width)
    return header + b"".join(rows)


# ---------------------------------------------------------------- the parts


def write_language(game, lang=1):
    game.text("LauncherRes\\Data\\language.ini", ["[Language]", f"lang={lang}"])


def write_maps(game, extra_maps=0):
    """extra_maps: that many more installed maps without previews (for scripts/bench)."""
    maps = MAPS + [(f"bench_{n:03d}", f"测试地图{n}", "cstrike", False) for n in range(extra_maps)]
    lines = ["[Name]"] + [f"{name}={display}" for name, display, _, _ in maps]
    game.text("LauncherRes\\Data\\Maps.ini", lines)
    for number, (name, display, where, preview) in enumerate(maps):
        name = name.strip()
        if where:
            folder = "cstrike" if where == "cstrike" else "cstrike_schinese"
            # A GoldSrc level header (version 30, 15 empty lumps) stands in for the level.
            game.bytes(f"{folder}\\maps\\{name}.bsp", struct.pack("<i", 30) + bytes(8 * 15))
        if preview:
            hue = (number * 47) % 360
            game.picture(f"LauncherRes\\Data\\Maps\\{name}_cso.bmp", "200x112",
                         card(f"hsl({hue},35%,30%)", f"hsl({hue},35%,10%)", name,
                              display.strip(), 20), "bmp")
    game.picture("LauncherRes\\Data\\Maps\\kengdie.bmp", "200x112",
                 card("#3a3a3a", "#151515", "NO PREVIEW", "暂无预览图", 20), "bmp")


def plugin_list(number, tag):
    common = ["amxbans_core.amxx", "admincmd.amxx", "adminhelp.amxx", "menufront.amxx",
              "znk_core.amxx", "znk_weapons.amxx", "znk_buymenu.amxx", "znk_launcher_bot.amxx"]
    per_mode = {
        "none": ["znk_classic.amxx", "znk_bomb_hud.amxx"],
        "td": ["znk_teamdeathmatch.amxx", "znk_respawn.amxx", "znk_killcounter.amxx"],
        "zb1": ["znk_zombie_core.amxx", "znk_zombie_classes.amxx", "znk_infection.amxx"],
        "ze": ["znk_zombie_core.amxx", "znk_escape_route.amxx", "znk_escape_doors.amxx"],
        "gd": ["znk_gunmaster.amxx", "znk_weapon_levels.amxx"],
    }[tag]
    title = MODES[number - 1][4].split("：")[0]
    return ([f"; ZNK {title} ({tag})", "; 插件列表：每行一个插件，分号开头为注释", ""] + common +
            [""] + per_mode)


def write_modes(game, mode=3):
    """Plugin lists (mode's list active, the others disabled; 0 leaves none active), tips and
    the chooser's pictures of modes 1 to 3."""
    for number, tag, _, picture, tip in MODES:
        state = "plugins" if number == mode else "disabled"
        game.text(f"{CONFIGS}\\{state}-{tag}.ini", plugin_list(number, tag))
        game.text(f"LauncherRes\\Data\\ModeTip\\Tip_{number}.txt", [tip], final_newline=False)
        if picture:
            title = tip.split("：")[0]
            game.picture(f"LauncherRes\\picture\\{picture}", "214x128",
                         card(f"hsl({number * 70},30%,32%)", "#0c0c0c", title,
                              f"DEMO MODE {number}", 20))


def loading_layout_lines():
    """LoadingDialogNoBanner.res as the game has it: a frame, twelve picture tiles, labels and
    the progress bar, laid out so that the lines the launcher rewrites are where it looks."""
    lines = ['"Resource/LoadingDialogNoBanner.res"', "{"]

    def block(name, fields):
        lines.append(f'\t"{name}"')
        lines.append("\t{")
        lines.extend(f'\t\t"{key}"\t\t"{value}"' for key, value in fields)
        lines.append("\t}")

    tail = [("autoResize", "0"), ("pinCorner", "0"), ("visible", "1"), ("enabled", "1"),
            ("tabPosition", "0"), ("textAlignment", "west"), ("dulltext", "0"),
            ("brighttext", "0"), ("wrap", "0"), ("font", "DefaultSmall"), ("zpos", "1"),
            ("paintbackground", "0"), ("centerwrap", "0"), ("textinsetx", "0")]

    def label(name, x, y, w, h, text, extra):
        block(name, [("ControlName", "Label"), ("fieldName", name), ("xpos", x), ("ypos", y),
                     ("wide", w), ("tall", h), ("labelText", text)] + tail[:extra])

    block("LoadingDialog", [("ControlName", "Frame"), ("fieldName", "LoadingDialog"),
                            ("xpos", "0"), ("ypos", "0"), ("wide", "800"), ("tall", "600"),
                            ("autoResize", "0"), ("pinCorner", "0"), ("visible", "1"),
                            ("enabled", "1"), ("tabPosition", "0"),
                            ("settitlebarvisible", "0")])
    label("TitleLabel", "51", "20", "698", "24", "ZNK 正在载入", 7)
    label("MapNameLabel", "51", "48", "698", "20", "地图", 7)
    for tile in range(12):
        row, column = divmod(tile, 4)
        block(f"ZnkLoading{tile + 1:02d}",
              [("ControlName", "ImagePanel"), ("fieldName", f"ZnkLoading{tile + 1:02d}"),
               ("xpos", str(column * 200)), ("ypos", str(row * 200)), ("wide", "200"),
               ("tall", "200"), ("autoResize", "0"), ("pinCorner", "0"), ("visible", "1"),
               ("enabled", "1"), ("image", f"../gfx/znk_loading/loading{tile + 1:02d}"),
               ("scaleImage", "1")])
    label("ModeLabel", "51", "80", "300", "20", "模式", 10)
    label("TipLabel", "51", "104", "698", "20", "提示：按 B 键打开快速购买", 10)
    label("PlayersLabel", "51", "128", "300", "20", "玩家", 11)
    label("InfoLabel", "51", "574", "697", "20", "正在连接服务器...", 8)
    label("VersionLabel", "600", "128", "149", "20", "ZNK Beta1.1", 8)
    block("Progress", [("ControlName", "ProgressBar"), ("fieldName", "Progress"),
                       ("xpos", "51"), ("ypos", "552"), ("wide", "697"), ("tall", "16"),
                       ("autoResize", "0"), ("pinCorner", "0"), ("visible", "1"),
                       ("enabled", "1"), ("tabPosition", "0")])
    block("CancelButton", [("ControlName", "Button"), ("fieldName", "CancelButton"),
                           ("xpos", "660"), ("ypos", "520"), ("wide", "88"), ("tall", "24"),
                           ("labelText", "#GameUI_Cancel"), ("command", "Cancel"),
                           ("visible", "0"), ("enabled", "1")])
    lines.append("}")

    # The lines the launcher rewrites, checked here so that a change above cannot move them.
    expect = {9: "wide", 10: "tall", 297: "xpos", 298: "ypos", 299: "wide", 333: "xpos",
              334: "ypos"}
    for tile in range(12):
        start = 56 + 15 * tile
        expect.update({start: "xpos", start + 1: "ypos", start + 2: "wide", start + 3: "tall"})
    for number, key in expect.items():
        assert lines[number - 1].startswith(f'\t\t"{key}"'), (number, lines[number - 1])
    assert len(lines) >= 334
    return lines


def write_loading(game):
    """The layout the launch rewrites and the loading images its two copies take."""
    game.text("cstrike\\resource\\LoadingDialogNoBanner.res", loading_layout_lines())
    base = "cstrike\\gfx\\loadingtga"
    # Files directly in the mode folder are what the copy takes when no mode is active.
    game.bytes(f"{base}\\mode\\mode_title.tga", tga(64, 16, (90, 90, 90)))
    for number, _, code, _, _ in MODES:
        colour = [(70, 110, 160), (170, 110, 60), (80, 150, 70), (170, 60, 50), (180, 150, 50)]
        game.bytes(f"{base}\\mode\\{code}\\mode_title.tga", tga(64, 16, colour[number - 1]))
        game.bytes(f"{base}\\mode\\{code}\\mode_icon.tga", tga(16, 16, colour[number - 1]))
    for index, (name, _) in enumerate(installed_maps()):
        for tile in range(12):
            shade = 40 + (tile * 9 + index * 23) % 120
            game.bytes(f"{base}\\maps\\{name}\\loading{tile + 1:02d}.tga",
                       tga(16, 12, (shade, shade // 2 + 20, 255 - shade)))
    game.folder("cstrike\\gfx\\znk_loading")


def catalogue_line(display, model, sub, weapon_id):
    return (f"[name]{display}[model]{model}[p_sub]{sub}[cswpn]{weapon_id}"
            f"[damage]1.0[speed]1.0[clip]30[cost]{2000 + weapon_id * 50}")


def write_weapons(game):
    lines = ["; ZNK 武器配置：[name]显示名[model]模型名[p_sub]子类型[cswpn]武器编号[damage]...",
             "; 每行一把武器；分号开头的行是注释",
             ";" + catalogue_line("测试武器", "test_only", "0", 28),
             ""]
    lines += [catalogue_line(*weapon) for weapon in WEAPONS]
    game.text(f"{CONFIGS}\\znk_wpn.ini", lines, encoding="utf-8")
    inventory = ["[My Weapons]", "LOADALLSHOPWEAPON=0"]
    inventory += [f"{key}=" + "".join(m + "," for m in models) for key, models in INVENTORY]
    game.text(f"{CONFIGS}\\znk_precachewpn.ini", inventory)
    for number, (display, model, _, weapon_id) in enumerate(WEAPONS):
        if model in MODELS_WITHOUT_PICTURE:
            continue
        hue = (weapon_id * 37) % 360
        game.picture(f"wpnpics\\{model}.jpg", "256x88",
                     card(f"hsl({hue},25%,92%)", f"hsl({hue},25%,76%)", display, model, 22,
                          light=True))


def buy_menu_lines():
    """MainBuyMenu.res with the five packs: each a button whose command buys the pack, and
    three image panels, each value line under its marker line."""
    lines = ['"Resource/UI/MainBuyMenu.res"', "{", '\t"BuySubMenu"', "\t{",
             '\t\t"ControlName"\t\t"WizardSubPanel"', '\t\t"fieldName"\t\t"BuySubMenu"',
             '\t\t"xpos"\t\t"0"', '\t\t"ypos"\t\t"0"', '\t\t"wide"\t\t"640"', '\t\t"tall"\t\t"480"',
             "\t}"]
    letters = "SDFGH"
    for pack, weapons in enumerate(PACKS, start=1):
        y = 60 + 70 * (pack - 1)
        command = "".join(f"znk_buy_wpn {m};" for m in weapons) + PACK_TAIL
        lines += [f'\t"WeaponPack{pack}"', "\t{",
                  '\t\t"ControlName"\t\t"MouseOverPanelButton"',
                  f'\t\t"fieldName"\t\t"WeaponPack{pack}"',
                  '\t\t"xpos"\t\t"40"', f'\t\t"ypos"\t\t"{y}"', '\t\t"wide"\t\t"560"',
                  '\t\t"tall"\t\t"64"', '\t\t"visible"\t\t"1"', '\t\t"enabled"\t\t"1"',
                  f'\t\t"labelText"\t\t"&{letters[pack - 1]} 快速购买{letters[pack - 1]}"',
                  f"//WeaponPack{pack}_command",
                  f'\t\t"Command"\t\t"{command}"',
                  "\t}"]
        for slot in range(3):
            lines += [f'\t"WeaponPack{pack}_img{slot + 1}"', "\t{",
                      '\t\t"ControlName"\t\t"ImagePanel"',
                      f'\t\t"fieldName"\t\t"WeaponPack{pack}_img{slot + 1}"',
                      f'\t\t"xpos"\t\t"{200 + 130 * slot}"', f'\t\t"ypos"\t\t"{y + 8}"',
                      '\t\t"wide"\t\t"120"', '\t\t"tall"\t\t"48"',
                      f"//WeaponPack{pack}_img{slot + 1}",
                      f'\t\t"image"\t\t"gfx/vgui/{weapons[slot]}"',
                      '\t\t"scaleImage"\t\t"1"', "\t}"]
    lines.append("}")
    return lines


def write_buy_menu(game):
    game.text("cstrike\\resource\\UI\\MainBuyMenu.res", buy_menu_lines())


def write_arms(game):
    lines = ["// MetaHook 插件设置", "[render]", "fov=90", "hdr=0", "", "[tattoo]"]
    lines += [f"{key}={value}" for key, value in ARMS.items()]
    lines += ["", "[sound]", "volume=100"]
    game.text("metahook.txt", lines)
    for sex, tone in (("male", 28), ("female", 330)):
        for number, name in enumerate(ARMS_NAMES, start=1):
            game.picture(f"LauncherRes\\tattoo\\{sex}_{number}.jpg", "296x192",
                         card(f"hsl({tone},30%,{25 + 10 * number}%)", "#101010", name,
                              f"{sex}_{number}", 26))


def silent_mp3(seconds=3.0):
    """MPEG-1 layer III frames, 32 kHz mono at 32 kbit/s, whose side information asks for no
    coefficients: every decoder plays them as silence."""
    header = bytes((0xFF, 0xFB, 0x18, 0xC4))
    frame = header + bytes(144 - len(header))
    return frame * max(1, int(seconds * 32000 / 1152))


def tune_wav(seconds=4.0, rate=44100):
    """A quiet arpeggio, 16-bit mono PCM."""
    notes = [220.0, 277.18, 329.63, 440.0, 329.63, 277.18]
    step = seconds / (2 * len(notes))
    samples = bytearray()
    for i in range(int(seconds * rate)):
        t = i / rate
        f = notes[int(t / step) % len(notes)]
        local = t % step
        value = 0.25 * math.exp(-local * 4) * math.sin(2 * math.pi * f * t)
        samples += struct.pack("<h", int(value * 32767))
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    return (b"RIFF" + struct.pack("<I", 36 + len(samples)) + b"WAVE" + b"fmt " +
            struct.pack("<I", 16) + fmt + b"data" + struct.pack("<I", len(samples)) +
            bytes(samples))


def write_music(game, seconds=4.0):
    lame = shutil.which("lame")
    if lame:
        with tempfile.TemporaryDirectory() as tmp:
            wav, mp3 = os.path.join(tmp, "tune.wav"), os.path.join(tmp, "tune.mp3")
            with open(wav, "wb") as f:
                f.write(tune_wav(seconds))
            subprocess.run([lame, "--quiet", "-m", "m", "-b", "64", wav, mp3], check=True)
            with open(mp3, "rb") as f:
                game.bytes("mywpnbg.mp3", f.read())
    else:
        game.bytes("mywpnbg.mp3", silent_mp3(seconds))


def write_game(game, standin):
    if standin:
        with open(standin, "rb") as f:
            game.bytes("cstrike.exe", f.read())


def make_demo_game(root, parts=None, mode=3, lang=1, standin=None, extra_maps=0,
                   music_seconds=4.0):
    """Writes the chosen parts (all of PARTS when None) into root; returns the relative paths
    written. mode is the mode whose plugin list is active (0: none); standin is the path of
    cstrike_standin.exe to copy as cstrike.exe (the "game" part needs it)."""
    chosen = PARTS if parts is None else list(parts)
    unknown = [p for p in chosen if p not in PARTS]
    if unknown:
        raise ValueError(f"unknown parts: {', '.join(unknown)}")
    game = Folder(root)
    writers = {
        "language": lambda: write_language(game, lang),
        "maps": lambda: write_maps(game, extra_maps),
        "modes": lambda: write_modes(game, mode),
        "loading": lambda: write_loading(game),
        "weapons": lambda: write_weapons(game),
        "buymenu": lambda: write_buy_menu(game),
        "arms": lambda: write_arms(game),
        "music": lambda: write_music(game, music_seconds),
        "game": lambda: write_game(game, standin),
    }
    for part in PARTS:
        if part in chosen:
            writers[part]()
    return game.written


def main():
    parser = argparse.ArgumentParser(description="Writes a demo game folder for the launcher.")
    parser.add_argument("folder", help="the game folder to write (made when missing)")
    parser.add_argument("--only", help="comma-separated parts to write: " + ",".join(PARTS))
    parser.add_argument("--skip", help="comma-separated parts to leave out")
    parser.add_argument("--mode", type=int, default=3, choices=range(0, 6),
                        help="mode whose plugin list is active, 0 for none (default 3)")
    parser.add_argument("--lang", type=int, default=1, help="language.ini's lang (default 1)")
    parser.add_argument("--standin", help="cstrike_standin.exe to copy as cstrike.exe")
    parser.add_argument("--extra-maps", type=int, default=0,
                        help="that many more installed maps in Maps.ini (default 0)")
    parser.add_argument("--music-seconds", type=float, default=4.0,
                        help="length of mywpnbg.mp3 in seconds (default 4)")
    parser.add_argument("--clean", action="store_true", help="empty the folder first")
    args = parser.parse_args()
    parts = args.only.split(",") if args.only else list(PARTS)
    if args.skip:
        parts = [p for p in parts if p not in args.skip.split(",")]
    if args.clean and os.path.isdir(args.folder):
        shutil.rmtree(args.folder)
    try:
        written = make_demo_game(args.folder, parts, args.mode, args.lang, args.standin,
                                 args.extra_maps, args.music_seconds)
    except (ValueError, OSError, subprocess.CalledProcessError) as error:
        sys.exit(f"make_demo_game: {error}")
    if "game" in parts and not args.standin:
        print("make_demo_game: no --standin given, so there is no cstrike.exe")
    if "music" in parts and not shutil.which("lame"):
        print("make_demo_game: lame is not installed; mywpnbg.mp3 is a silent MP3")
    print(f"make_demo_game: wrote {len(written)} files to {args.folder}")


if __name__ == "__main__":
    main()
