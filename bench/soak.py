"""The long soak under Wine: thousands of tray callbacks of every kind, a thousand device
notifications, a hundred "TaskBarCreated", two hundred menu openings and a hundred "Appliquer",
then the checks of tests/e2e/test_soak.py (which runs a short stream in scripts/test).

    python3 bench/soak.py [--seed N]        (after scripts/build)

Prints `soak: GDI a -> b, USER c -> d, N events` and the time taken; exits non-zero when a check
fails.
"""

import argparse
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))

import harness  # noqa: E402
import test_soak  # noqa: E402

FULL = dict(callbacks=5000, devices=1000, broadcasts=100, menus=200, applies=100)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    exe = ROOT / "build/i686/Vossik.exe"
    probe = ROOT / "build/i686/tests/e2e/probe/probe.exe"
    started = time.monotonic()
    with harness.Prefix().using() as prefix, harness.vossik("soak", prefix, exe, probe) as vossik:
        try:
            test_soak.soak(vossik, args.seed, FULL, timeout_s=3600)
        except (AssertionError, harness.HarnessError) as error:
            print(f"soak failed: {error}; on screen: {vossik.describe_screen()}")
            return 1
    print(f"soak took {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
