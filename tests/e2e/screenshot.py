"""Starts Vossik.exe in a fresh Wine desktop, waits until it has settled, saves a PNG of the
desktop and ends everything: `python3 tests/e2e/screenshot.py OUT.png [--ini FILE] [ARGS...]`.

It runs in the Wine prefix that scripts/run and the tests use, from a folder of its own on C:
(without a settings file unless --ini gives one): a first start, which shows the configuration
window. The shot shows its drives page, as the README's picture does; --page picks another."""

from __future__ import annotations

import argparse
import shutil
import sys
import time
from pathlib import Path

import harness

ROOT = Path(__file__).resolve().parents[2]
FIRST_PAGE = " Lecteurs "


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("out", type=Path)
    parser.add_argument("--ini", type=Path, help="settings file to put beside the exe")
    parser.add_argument("--exe", type=Path, default=ROOT / "build/i686/Vossik.exe")
    parser.add_argument("--probe", type=Path,
                        default=ROOT / "build/i686/tests/e2e/probe/probe.exe")
    parser.add_argument("--page", default=FIRST_PAGE,
                        help="caption of the page to show, if the window is shown")
    parser.add_argument("args", nargs="*")
    options = parser.parse_intermixed_args()

    artifacts = ROOT / "build/e2e/screenshot"
    with harness.Prefix().using() as prefix, \
            harness.vossik("screenshot", prefix, options.exe, options.probe, artifacts) as vossik:
        ini = options.ini.read_bytes() if options.ini else None
        vossik.start(*options.args, ini=ini)

        def shown() -> str | None:
            window = vossik.window(harness.MAIN_FORM)
            if window and window["visible"]:
                return "window"
            return "tray" if vossik.tray_icons() else None

        if vossik.wait_until(shown, "the window or the tray icons") == "window":
            vossik.select_tab(harness.MAIN_FORM, options.page)
        # Time for the last paint; nothing to poll for it.
        time.sleep(0.5)
        shot = vossik.screenshot("shot")
        options.out.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(shot, options.out)
        print(f"screenshot: {options.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
