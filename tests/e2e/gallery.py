"""The README's pictures: `python3 tests/e2e/gallery.py [OUT_DIR]` (scripts/screenshots).

Starts Vossik.exe afresh in the Wine prefix of the tests, with settings that show every kind of
icon, and saves each thing a user meets, cropped to its window or menu, as a PNG in OUT_DIR
(docs/ by default): the notification area (and a copy four times larger), the menus, the five
pages, the dialogs, the confirmation; then, in a second start whose clock stands a minute before
a scheduled shutdown, the reminder; in a third, on a screen at 150 % (144 dpi), the
notification area and a drive's menu; and in a fourth, in the colours of Windows' "High Contrast
White" scheme with high contrast on, a drive's menu. Wine 8.0 never reports high contrast: the
probe has the program hear it (`high-contrast`). Nothing is confirmed: the program never asks the
system to shut down.
"""

from __future__ import annotations

import argparse
import subprocess
import sys
from pathlib import Path

import harness
from harness import MAIN_FORM
from test_drives_and_clicks import C, SHUTDOWN, every_group_ini, popup_menus
from test_list_editing import LAUNCH_DIALOG
from test_shutdown import (CONFIRMATION, REMINDER, SCHEDULE_INI, clock_in_minute_before,
                           shown)

ROOT = Path(__file__).resolve().parents[2]
PICKER = "Choisir un dossier"
PAGES = {"configuration": " Lecteurs ", "page-folders": " Dossiers fréquents ",
         "page-launches": " Lancement rapide ", "page-shutdown": "Eteindre",
         "page-about": "A propos / Divers"}
# Left of the first icon: the notification area's own margin.
TRAY_MARGIN = 6
# The notification area's picture again, this many times larger, pixel for pixel: at its own
# size its icons are too small to make out.
ENLARGED = 4


class Gallery:
    def __init__(self, vossik: harness.Vossik, out: Path):
        self.vossik = vossik
        self.out = out

    def save(self, name: str, rect: dict, enlarged: bool = False) -> None:
        """Saves that part of the screen once it has stopped changing (the last paint), and with
        `enlarged` a larger copy as NAME-enlarged.png."""
        geometry = (f"{rect['right'] - rect['left']}x{rect['bottom'] - rect['top']}"
                    f"+{rect['left']}+{rect['top']}")

        def picture() -> bytes:
            # Without the time chunks, a picture that did not change keeps its bytes.
            return subprocess.run(
                ["import", "-display", self.vossik.display, "-window", "root", "-crop", geometry,
                 "+repage", "-strip", "-define", "png:exclude-chunks=date,time", "png:-"],
                capture_output=True, timeout=60, check=True).stdout

        shot = self.vossik.wait_stable(picture, name)
        (self.out / f"{name}.png").write_bytes(shot)
        print(f"{name}.png", flush=True)
        if enlarged:
            larger = subprocess.run(
                ["convert", "png:-", "-scale", f"{ENLARGED * 100}%", "-strip", "-define",
                 "png:exclude-chunks=date,time", "png:-"],
                input=shot, capture_output=True, timeout=60, check=True).stdout
            (self.out / f"{name}-enlarged.png").write_bytes(larger)
            print(f"{name}-enlarged.png", flush=True)

    def save_window(self, name: str, caption: str) -> None:
        window = self.vossik.wait_until(lambda: shown(self.vossik, caption), caption)
        self.save(name, window["rect"])

    def save_menus(self, name: str, count: int) -> None:
        menus = self.vossik.wait_until(
            lambda: len(found := popup_menus(self.vossik)) == count and found, name)
        rects = [menu["rect"] for menu in menus]
        self.save(name, {"left": min(r["left"] for r in rects),
                         "top": min(r["top"] for r in rects),
                         "right": max(r["right"] for r in rects),
                         "bottom": max(r["bottom"] for r in rects)})

    def every_kind_of_icon(self) -> None:
        # The drives page as at a first start, which the README shows first.
        self.vossik.start(ini=every_group_ini(drives_root=0))
        self.tray_and_menus()
        self.confirmation()
        self.pages_and_dialogs()

    def save_tray(self, name: str, enlarged: bool = False) -> None:
        vossik = self.vossik
        icons = vossik.wait_stable(vossik.tray_icons, "the tray icons")
        taskbar = next(w for w in vossik.windows() if w["class"] == "Shell_TrayWnd")["rect"]
        self.save(name, {**taskbar, "left": min(i["rect"]["left"] for i in icons) - TRAY_MARGIN},
                  enlarged)

    def save_menu(self, name: str, icon_id: int) -> None:
        self.vossik.tray("WM_RBUTTONDOWN", icon_id)
        self.save_menus(name, 1)
        self.vossik.close_menus()

    def tray_and_menus(self) -> None:
        vossik = self.vossik
        self.save_tray("tray", enlarged=True)
        for name, icon_id in (("menu-drive", C), ("menu-shutdown", SHUTDOWN)):
            self.save_menu(name, icon_id)
        vossik.tray("WM_RBUTTONDOWN", C)
        vossik.wait_until(lambda: popup_menus(vossik), "the drive's menu again")
        vossik.menu_key("a")
        self.save_menus("menu-show", 2)
        vossik.close_menus()

    def confirmation(self) -> None:
        self.vossik.tray_click(SHUTDOWN)
        self.save_window("confirmation", CONFIRMATION)
        self.vossik.click(CONFIRMATION, "Non, je ne veux pas")

    def pages_and_dialogs(self) -> None:
        vossik = self.vossik
        vossik.tray("WM_RBUTTONDBLCLK", C)
        vossik.wait_until(lambda: shown(vossik, MAIN_FORM), "the configuration window")
        for name, page in PAGES.items():
            vossik.select_tab(MAIN_FORM, page)
            self.save_window(name, MAIN_FORM)

        vossik.select_tab(MAIN_FORM, PAGES["page-folders"])
        vossik.click(MAIN_FORM, "Aj&outer")
        vossik.wait_until(lambda: shown(vossik, PICKER), "the folder picker")
        [computer] = vossik.tree(PICKER)["roots"]
        vossik.tree(PICKER, computer, " (C:)", "windows")
        vossik.type_text(PICKER, "&Nom raccourci :", "Windows")
        self.save_window("folder-picker", PICKER)
        vossik.click(PICKER, "Annuler")

        vossik.select_tab(MAIN_FORM, PAGES["page-launches"])
        vossik.click(MAIN_FORM, "Aj&outer")
        vossik.wait_until(lambda: shown(vossik, LAUNCH_DIALOG), "the launch dialog")
        for label, text in (("Nom :", "Bloc-notes"),
                            ("Ligne de commande :", "C:\\windows\\notepad.exe"),
                            ("Paramètres :", "C:\\windows\\win.ini")):
            vossik.type_text(LAUNCH_DIALOG, label, text)
        self.save_window("launch-dialog", LAUNCH_DIALOG)
        vossik.click(LAUNCH_DIALOG, "Annuler")

    def reminder(self) -> None:
        self.vossik.start(ini=SCHEDULE_INI, tz=clock_in_minute_before(self.vossik))
        self.save_window("reminder", REMINDER)

    def at_150_percent(self) -> None:
        self.vossik.start(ini=every_group_ini(drives_root=0), dpi=144)
        self.save_tray("tray-144dpi")
        self.save_menu("menu-drive-144dpi", C)

    def in_high_contrast(self) -> None:
        vossik = self.vossik
        vossik.start(ini=every_group_ini(drives_root=0), colors=harness.HIGH_CONTRAST_WHITE)
        vossik.wait_stable(vossik.tray_icons, "the tray icons")
        vossik.high_contrast()
        self.save_menu("menu-drive-high-contrast", C)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("out", type=Path, nargs="?", default=ROOT / "docs")
    parser.add_argument("--exe", type=Path, default=ROOT / "build/i686/Vossik.exe")
    parser.add_argument("--probe", type=Path,
                        default=ROOT / "build/i686/tests/e2e/probe/probe.exe")
    options = parser.parse_args()
    options.out.mkdir(parents=True, exist_ok=True)

    with harness.Prefix().using() as prefix:
        for scene in (Gallery.every_kind_of_icon, Gallery.reminder, Gallery.at_150_percent,
                      Gallery.in_high_contrast):
            with harness.vossik("gallery", prefix, options.exe, options.probe) as vossik:
                scene(Gallery(vossik, options.out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
