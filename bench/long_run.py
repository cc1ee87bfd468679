"""One long scenario against the 32-bit exe in a Wine desktop of its own, as bench/soak.py and
bench/flood.py run theirs: its failure reported with what was on screen, its time printed."""

import sys
import time
from pathlib import Path
from typing import Callable

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))

import harness  # noqa: E402

EXE = ROOT / "build/i686/Vossik.exe"
PROBE = ROOT / "build/i686/tests/e2e/probe/probe.exe"


def run(name: str, scenario: Callable[[harness.Vossik], None]) -> int:
    """Runs `scenario` on a started harness; 0 when it passed, 1 when a check failed."""
    started = time.monotonic()
    with harness.Prefix().using() as prefix, harness.vossik(name, prefix, EXE, PROBE) as vossik:
        try:
            scenario(vossik)
        except (AssertionError, harness.HarnessError) as error:
            print(f"{name} failed: {error}; on screen: {vossik.describe_screen()}")
            return 1
    print(f"{name} took {time.monotonic() - started:.0f} s")
    return 0
