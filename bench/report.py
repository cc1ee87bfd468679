"""Figures, never verdicts: the size of Vossik.exe in both Windows builds next to a bare
notification-icon program built with the same flags, the time from start to the first tray
icon under Wine, and the settings reader against the system's profile functions.

    python3 bench/report.py        (after scripts/build)
"""

import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))

import harness  # noqa: E402

SHUTDOWN_ONLY_INI = (
    "[Lecteurs]\nAffichage=0\n[Dossiers]\nAffichage=0\n[Lancement Rapide]\nAffichage=0\n"
    "[Arrêter]\nAfficher Icone=1\n")
RUNS = 3


def sizes() -> None:
    print("exe sizes (stripped, static C++ runtime):")
    for arch in ("i686", "x86_64"):
        vossik = ROOT / f"build/{arch}/Vossik.exe"
        bare = ROOT / f"build/{arch}/bench/win32/bare_tray.exe"
        if vossik.exists() and bare.exists():
            v, b = vossik.stat().st_size, bare.stat().st_size
            print(f"  {arch:7} Vossik.exe {v / 1024:8.1f} KiB   bare tray program {b / 1024:8.1f} KiB"
                  f"   ratio {v / b:5.2f}")


def first_icon() -> None:
    exe = ROOT / "build/i686/Vossik.exe"
    probe = ROOT / "build/i686/tests/e2e/probe/probe.exe"
    prefix = harness.Prefix(ROOT / "build/e2e/prefix-bench")
    prefix.ensure()
    times = []
    for run in range(RUNS):
        with harness.vossik(f"bench{run}", prefix, exe, probe) as vossik:
            vossik.write_ini(SHUTDOWN_ONLY_INI)
            started = time.monotonic()
            # The start itself waits for the desktop and answers Wine's start-up boxes.
            vossik.start()
            vossik.wait_until(vossik.tray_icons, "the first tray icon")
            times.append(time.monotonic() - started)
    print(f"start to first tray icon under Wine (desktop start and Wine's three start-up boxes"
          f" included), {RUNS} runs: median {statistics.median(times):.2f} s,"
          f" min {min(times):.2f} s")


def profile() -> None:
    bench = ROOT / "build/i686/bench/profile/profile_bench.exe"
    if not bench.exists():
        return
    prefix = harness.Prefix(ROOT / "build/e2e/prefix-bench")
    result = subprocess.run(["wine", str(bench)], env=prefix.env(), capture_output=True,
                            text=True, timeout=600, cwd=ROOT / "build/e2e", check=False)
    print("settings file, 900 folders and 9000 quick-launch entries:")
    print("  " + result.stdout.strip().replace("\n", "\n  "))


if __name__ == "__main__":
    sizes()
    first_icon()
    profile()
