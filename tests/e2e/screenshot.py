"""Starts Vossik.exe in a fresh Wine desktop, waits until it has settled, saves a PNG of the
desktop and ends everything: `python3 tests/e2e/screenshot.py OUT.png [--ini FILE] [ARGS...]`."""

import argparse
import shutil
import sys
import time
from pathlib import Path

import harness

ROOT = Path(__file__).resolve().parents[2]


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("out", type=Path)
    parser.add_argument("--ini", type=Path, help="settings file to put beside the exe")
    parser.add_argument("--exe", type=Path, default=ROOT / "build/i686/Vossik.exe")
    parser.add_argument("--probe", type=Path,
                        default=ROOT / "build/i686/tests/e2e/probe/probe.exe")
    parser.add_argument("--page", help="caption of the page to show before the shot")
    parser.add_argument("args", nargs="*")
    options = parser.parse_intermixed_args()

    prefix_path = ROOT / "build/e2e/prefix-screenshot"
    prefix = harness.Prefix(prefix_path)
    prefix.ensure()
    artifacts = ROOT / "build/e2e/screenshot"
    with harness.vossik("screenshot", prefix, options.exe, options.probe, artifacts) as vossik:
        ini = options.ini.read_bytes() if options.ini else None
        vossik.start(*options.args, ini=ini)
        vossik.wait_until(lambda: (w := vossik.window(harness.MAIN_FORM)) and w["visible"]
                                 or vossik.tray_icons(), "the window or the tray icons")
        if options.page:
            vossik.select_tab(harness.MAIN_FORM, options.page)
        time.sleep(0.5)
        shot = vossik.screenshot("shot")
        options.out.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(shot, options.out)
        print(f"screenshot: {options.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
