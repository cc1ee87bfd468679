"""The full flood under Wine: 10,000 device notices in bursts, a stream of notices every 50 ms
for a minute, 5,000 right presses and 5,000 of each old drive message posted by another program,
then the checks of tests/e2e/test_device_changes.py (which runs a shorter flood in scripts/test).

    python3 bench/flood.py        (after scripts/build)

Prints `flood: ...` with the object counts and the private memory (RssAnon of the program's
Wine process, settled) before and after, and the time taken; exits non-zero when a check fails.
"""

import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))
sys.path.insert(0, str(ROOT / "bench"))

import harness  # noqa: E402
import report  # noqa: E402
import test_device_changes  # noqa: E402

FULL = dict(bursts=5, burst=2000, stream_s=60, interval_ms=50, presses=5000, posts=5000)


def main() -> int:
    started = time.monotonic()
    with harness.Prefix().using() as prefix, \
            harness.vossik("flood", prefix, report.EXE, report.PROBE) as vossik:
        def memory() -> str:
            return f"{report.settled_rss_anon_kib(report.wine_pid(vossik))} KiB"

        try:
            print(test_device_changes.flood(vossik, **FULL, memory=memory), flush=True)
        except (AssertionError, harness.HarnessError) as error:
            print(f"flood failed: {error}; on screen: {vossik.describe_screen()}")
            return 1
    print(f"flood took {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
