"""The full flood under Wine: 10,000 device notices in bursts, a stream of notices every 50 ms
for a minute, 5,000 right presses and 5,000 of each old drive message posted by another program,
then the checks of tests/e2e/test_device_changes.py (which runs a shorter flood in scripts/test).

    python3 bench/flood.py        (after scripts/build)

Prints `flood: ...` with the object counts and the private memory (RssAnon of the program's
Wine process, settled) before and after, and the time taken; exits non-zero when a check fails.
"""

import sys

import long_run
import report
import test_device_changes

FULL = dict(bursts=5, burst=2000, stream_s=60, interval_ms=50, presses=5000, posts=5000)


def main() -> int:
    def scenario(vossik) -> None:
        def memory() -> str:
            return f"{report.settled_rss_anon_kib(report.wine_pid(vossik))} KiB"

        print(test_device_changes.flood(vossik, **FULL, memory=memory), flush=True)

    return long_run.run("flood", scenario)


if __name__ == "__main__":
    sys.exit(main())
