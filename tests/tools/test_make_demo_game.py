"""The demo game folder holds what the launcher and the GUI tests rely on: files in the bytes
the game's tools write, and data that agrees across files (inventory, catalogue, packs)."""

import os
import re
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import make_demo_game as demo  # noqa: E402

CONFIGS = os.path.join("cstrike", "addons", "amxmodx", "configs")


class DemoGameFolder(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.root = cls.tmp.name
        cls.written = demo.make_demo_game(cls.root)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def read(self, *parts):
        with open(os.path.join(self.root, *parts), "rb") as f:
            return f.read()

    def test_text_files_are_windows_text_in_their_code_page(self):
        texts = [p for p in self.written if re.search(r"\.(ini|res|txt)$", p)]
        self.assertGreater(len(texts), 10)
        for relative in texts:
            data = self.read(*relative.split("\\"))
            self.assertNotIn(b"\n", data.replace(b"\r\n", b""), relative)
            self.assertFalse(data.startswith(b"\xef\xbb\xbf"), relative)
            if relative.endswith("znk_wpn.ini"):
                data.decode("utf-8")
                self.assertIn("赤龙".encode("utf-8"), data)
            else:
                data.decode("gbk")
        self.assertIn("古\u3000城堡".encode("gbk"), self.read("LauncherRes", "Data", "Maps.ini"))
        self.assertIn(b"lang=1", self.read("LauncherRes", "Data", "language.ini"))
        self.assertFalse(os.path.exists(os.path.join(self.root, "LauncherRes", "Data", "Save.ini")))
        self.assertEqual(self.read("mywpnbg.mp3")[:2], b"\xff\xfb")

    def test_map_list_is_filtered_by_the_installed_levels(self):
        listed = []
        for line in self.read("LauncherRes", "Data", "Maps.ini").decode("gbk").split("\r\n"):
            pieces = line.split("=")
            if line in ("", "[Name]") or len(pieces) < 2:
                continue
            name = pieces[0].replace(" ", "").replace("\u3000", "")
            display = pieces[1].replace(" ", "").replace("\u3000", "")
            if any(os.path.exists(os.path.join(self.root, folder, "maps", name + ".bsp"))
                   for folder in ("cstrike", "cstrike_schinese")):
                listed.append((name, display))
        self.assertEqual(listed, demo.installed_maps())
        self.assertEqual(len(listed), 12)
        self.assertLess(len(listed), len(demo.MAPS), "some listed maps are not installed")
        previews = os.path.join(self.root, "LauncherRes", "Data", "Maps")
        self.assertTrue(os.path.exists(os.path.join(previews, "kengdie.bmp")))
        missing = [n for n, _ in listed
                   if not os.path.exists(os.path.join(previews, n + "_cso.bmp"))]
        self.assertTrue(missing, "some maps fall back to kengdie.bmp")

    def test_catalogue_inventory_packs_and_pictures_agree(self):
        categories = {}
        primaries = 0
        pattern = re.compile(r"\[name\](.*)\[model\](.*)\[p_sub\](.*)\[cswpn\](\d+)\[damage\]")
        for line in self.read(CONFIGS, "znk_wpn.ini").decode("utf-8").split("\r\n"):
            match = pattern.search(line)
            if not match or line.startswith(";"):
                continue
            weapon_id = int(match.group(4))
            category = (1 if (1 << weapon_id) & 0x59FCF1A8 else
                        2 if (1 << weapon_id) & 0x04030C02 else
                        3 if weapon_id == 29 else 4 if weapon_id == 4 else 0)
            categories[match.group(2)] = category
            primaries += category == 1
        self.assertGreater(primaries, 15, "primaries fill more than one picker page")
        self.assertIn(0, categories.values())

        inventory = self.read(CONFIGS, "znk_precachewpn.ini").decode("gbk")
        owned = {}
        for category, key in enumerate(["RIFLES", "PISTOLS", "KNIFES", "HEGRENADES"], start=1):
            value = re.search(key + r"=(.*)\r\n", inventory).group(1)
            self.assertTrue(value.endswith(","))
            owned[category] = value[:-1].split(",")
            for model in owned[category]:
                self.assertEqual(categories.get(model), category, model)
        for pack in demo.PACKS:
            for slot, model in enumerate(pack, start=1):
                self.assertIn(model, owned[slot], "packs hold owned weapons only")
        for model in categories:
            has_picture = os.path.exists(os.path.join(self.root, "wpnpics", model + ".jpg"))
            self.assertEqual(has_picture, model not in demo.MODELS_WITHOUT_PICTURE, model)

    def test_buy_menu_markers_and_layout_lines(self):
        lines = self.read("cstrike", "resource", "UI", "MainBuyMenu.res").decode("gbk").split("\r\n")
        for pack in range(1, 6):
            at = lines.index(f"//WeaponPack{pack}_command")
            command = lines[at + 1].split('"')[3].replace("znk_buy_wpn", "").replace(" ", "")
            self.assertEqual(command.split(";")[:4], list(demo.PACKS[pack - 1]))
            for slot in range(1, 4):
                self.assertEqual(lines.count(f"//WeaponPack{pack}_img{slot}"), 1)
                at = lines.index(f"//WeaponPack{pack}_img{slot}")
                self.assertIn("gfx/vgui/" + demo.PACKS[pack - 1][slot - 1], lines[at + 1])

        layout = self.read("cstrike", "resource", "LoadingDialogNoBanner.res").decode("gbk")
        self.assertTrue(layout.endswith("\r\n"))
        lines = layout.split("\r\n")
        rewritten = [9, 10, 297, 298, 299, 333, 334]
        rewritten += [56 + 15 * tile + k for tile in range(12) for k in range(4)]
        for number in rewritten:
            self.assertGreaterEqual(len(lines[number - 1].split('"')), 5, number)

    def test_exactly_the_chosen_mode_is_active(self):
        for mode in range(0, 6):
            with tempfile.TemporaryDirectory() as root:
                demo.make_demo_game(root, ["modes"], mode=mode)
                names = sorted(os.listdir(os.path.join(root, CONFIGS)))
                active = [n for n in names if n.startswith("plugins-")]
                self.assertEqual(len(names), 5)
                self.assertEqual(active, [f"plugins-{demo.MODES[mode - 1][1]}.ini"] if mode else [])
        with self.assertRaises(ValueError):
            demo.make_demo_game(self.root, ["mapz"])


if __name__ == "__main__":
    unittest.main()
