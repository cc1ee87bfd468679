"""Starts Vossik.exe in a fresh Wine desktop, waits until it has settled, saves a PNG of the
desktop and ends everything (scripts/run --screenshot):
`python3 tests/e2e/screenshot.py OUT.png [--page CAPTION] [--ini FILE] [ARGS...]`.

It runs in the Wine prefix that scripts/run and the tests use, from a folder of its own on C:
(without a settings file unless --ini gives one). A first start shows the configuration window,
and the shot shows its drives page, as the README's picture does. --page opens the window on
that page, also with settings that would start the program in the notification area; the
caption may be typed without its accents, its blanks or its capitals. With settings and no
--page the shot shows the notification area, or the box that says they show no icon."""

from __future__ import annotations

import argparse
import shutil
import sys
import time
import unicodedata
from pathlib import Path

import harness
from harness import MAIN_FORM
from test_drives_and_clicks import shown_page

ROOT = Path(__file__).resolve().parents[2]
FIRST_PAGE = "Lecteurs"
# The program's switch that opens the window at start: only as its first argument.
CONFIG_SWITCH = "/CONFIG"


class UnknownPage(Exception):
    """No tab has the caption asked for; the message lists those there are."""


def typed(caption: str) -> str:
    """A caption as it may be typed: without accents, blanks around or capitals."""
    letters = unicodedata.normalize("NFKD", caption)
    return "".join(c for c in letters if not unicodedata.combining(c)).strip().casefold()


def start(vossik: harness.Vossik, page: str | None, ini: str | bytes | None,
          args: tuple[str, ...] = ()) -> None:
    """Starts the program; with a page asked for, with the window open whatever the settings."""
    if page is not None and not (args and args[0].upper() == CONFIG_SWITCH):
        args = (CONFIG_SWITCH, *args)
    vossik.start(*args, ini=ini)


def show(vossik: harness.Vossik, page: str | None) -> str:
    """Once the program has settled, shows that page if the window is open; says what shows.
    A box at the start (settings that show no icon, say) stays, and the picture shows it."""

    def shown() -> str | None:
        window = vossik.window(MAIN_FORM)
        if window and window["visible"]:
            return "window"
        if vossik.tray_icons():
            return "tray"
        return "box" if vossik.message_boxes() else None

    seen = vossik.wait_until(shown, "the window, the tray icons or a box")
    if seen == "tray":
        return "the notification area"
    if seen == "box":
        box = vossik.message_boxes()[0]
        return f'a box, "{box["caption"]}": ' + " ".join(" ".join(box["texts"]).split())
    tabs = next(c for c in vossik.dump(MAIN_FORM)["controls"] if "tabs" in c)["tabs"]
    wanted = typed(page or FIRST_PAGE)
    caption = next((tab for tab in tabs if typed(tab) == wanted), None)
    if caption is None:
        raise UnknownPage(f'no page is captioned "{page}"; the pages are: '
                          + ", ".join(f'"{tab}"' for tab in tabs))
    vossik.select_tab(MAIN_FORM, caption)
    vossik.wait_until(lambda: shown_page(vossik.dump(MAIN_FORM)) == caption, caption)
    return f'the configuration window on its page "{caption}"'


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("out", type=Path)
    parser.add_argument("--ini", type=Path, help="settings file to put beside the exe")
    parser.add_argument("--exe", type=Path, default=ROOT / "build/i686/Vossik.exe")
    parser.add_argument("--probe", type=Path,
                        default=ROOT / "build/i686/tests/e2e/probe/probe.exe")
    parser.add_argument("--page", help="caption of the page to show; opens the window")
    parser.add_argument("args", nargs="*")
    options = parser.parse_intermixed_args()

    artifacts = ROOT / "build/e2e/screenshot"
    with harness.Prefix().using() as prefix, \
            harness.vossik("screenshot", prefix, options.exe, options.probe, artifacts) as vossik:
        start(vossik, options.page, options.ini.read_bytes() if options.ini else None,
              tuple(options.args))
        try:
            what = show(vossik, options.page)
        except UnknownPage as error:
            print(error, file=sys.stderr)
            return 2
        # Time for the last paint; nothing to poll for it.
        time.sleep(0.5)
        shot = vossik.screenshot("shot")
        options.out.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(shot, options.out)
    print(f"screenshot: {options.out}, {what}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
