"""The long soak under Wine: thousands of tray callbacks of every kind, a thousand device
notifications, a hundred "TaskBarCreated", two hundred menu openings and a hundred "Appliquer",
then the checks of tests/e2e/test_soak.py (which runs a short stream in scripts/test).

    python3 bench/soak.py [--seed N]        (after scripts/build)

Prints `soak: GDI a -> b, USER c -> d, N events` and the time taken; exits non-zero when a check
fails.
"""

import argparse
import sys

import long_run
import test_soak

FULL = dict(callbacks=5000, devices=1000, broadcasts=100, menus=200, applies=100)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    return long_run.run("soak", lambda vossik: test_soak.soak(vossik, args.seed, FULL,
                                                              timeout_s=3600))


if __name__ == "__main__":
    sys.exit(main())
