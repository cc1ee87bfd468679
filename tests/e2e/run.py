#!/usr/bin/env python3
"""Runs the end-to-end tests: every test_* function of tests/e2e/test_*.py.

Each test gets a fresh display, Wine desktop and exe folder (harness.vossik). The 32-bit exe runs
every test in build/wine; with `--arch all` (scripts/test) or `--arch x86_64`, the 64-bit exe
runs the tests marked @harness.both_architectures in build/wine64, with a probe built for it.
With `--jobs N`, N tests run at once, each worker in a prefix of its own (workers.py).
Prints one line per test as it ends, counted over every exe as ninja counts its steps
("[3/95] PASS ..."), a line per architecture, then `e2e: N passed, M failed` over all; exits
non-zero if any test failed.
"""

from __future__ import annotations

import argparse
import collections
import importlib
import inspect
import os
import shutil
import signal
import subprocess
import sys
import traceback
from pathlib import Path

E2E_DIR = Path(__file__).resolve().parent
sys.path.insert(0, str(E2E_DIR))

import harness  # noqa: E402
import workers  # noqa: E402

BUILD_E2E = harness.REPO / "build" / "e2e"
PROBE_SOURCES = E2E_DIR / "probe"


class Architecture:
    """One exe under test: where it is, its Wine prefix and the probe that can read it."""

    def __init__(self, name: str, wine_arch: str, prefix: Path, exe: Path, probe: Path | None):
        self.name = name
        self.wine_arch = wine_arch
        self.prefix = prefix
        self.exe = exe
        self.probe = probe

    def wants(self, function) -> bool:
        return self.wine_arch == "win32" or harness.runs_on_both_architectures(function)


class TestTimeout(Exception):
    pass


def parse_args() -> argparse.Namespace:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("-k", dest="select", action="append", default=[],
                        help="run only tests whose name contains this (repeatable)")
    parser.add_argument("--arch", choices=["i686", "x86_64", "all"], default="i686",
                        help="which exe: the 32-bit one runs every test, the 64-bit one those"
                             " that can differ by architecture (default: i686)")
    parser.add_argument("--exe", type=Path,
                        default=Path(os.environ.get("VOSSIK_EXE",
                                                    harness.REPO / "build/i686/Vossik.exe")),
                        help="32-bit program under test (default: build/i686/Vossik.exe,"
                             " $VOSSIK_EXE)")
    parser.add_argument("--exe64", type=Path, default=harness.REPO / "build/x86_64/Vossik.exe",
                        help="64-bit program under test (default: build/x86_64/Vossik.exe)")
    parser.add_argument("--probe", type=Path, default=os.environ.get("VOSSIK_E2E_PROBE"),
                        help="32-bit probe.exe (default: the i686 build's if up to date, else"
                             " one built here)")
    parser.add_argument("--probe64", type=Path,
                        help="64-bit probe.exe (default: the x86_64 build's if up to date,"
                             " else one built here)")
    parser.add_argument("--keep", action="store_true",
                        help="keep screenshots and Wine logs in build/e2e/artifacts")
    parser.add_argument("--prefix", type=Path, default=harness.SHARED_PREFIX,
                        help="32-bit Wine prefix (default: build/wine, the one scripts/run"
                             " uses; made if missing, then kept)")
    parser.add_argument("--prefix64", type=Path, default=harness.SHARED_PREFIX_64,
                        help="64-bit Wine prefix (default: build/wine64; made if missing)")
    parser.add_argument("--timeout", type=int, default=120, help="seconds allowed per test")
    parser.add_argument("--jobs", type=int, default=1,
                        help="tests run at once, each worker in a Wine prefix of its own: the"
                             " first of an exe's, then build/wine-2... (default: 1)")
    return parser.parse_args()


def architectures(args: argparse.Namespace) -> list[Architecture]:
    known = [Architecture("i686", "win32", args.prefix, args.exe, args.probe),
             Architecture("x86_64", "win64", args.prefix64, args.exe64, args.probe64)]
    return [a for a in known if args.arch in (a.name, "all")]


def find_probe(arch: Architecture) -> Path:
    if arch.probe:
        return arch.probe
    newest = max(p.stat().st_mtime for p in PROBE_SOURCES.rglob("*"))
    built = harness.REPO / f"build/{arch.name}/tests/e2e/probe/probe.exe"
    if built.exists() and built.stat().st_mtime >= newest:
        return built
    # No up-to-date Windows build: compile it here, as its CMakeLists.txt would.
    out = BUILD_E2E / arch.name / "probe.exe"
    if not out.exists() or out.stat().st_mtime < newest:
        out.parent.mkdir(parents=True, exist_ok=True)
        compile_flags = [f"{arch.name}-w64-mingw32-g++-posix", "-std=c++20", "-O1", "-Wall",
                         "-Wextra", "-Werror", "-DUNICODE", "-D_UNICODE",
                         "-DWIN32_LEAN_AND_MEAN", "-D_WIN32_WINNT=0x0601", "-static"]
        hook = PROBE_SOURCES / "font_hook.cpp"
        subprocess.run([*compile_flags, "-shared", "-Wl,--kill-at", str(hook),
                        "-o", str(out.with_name("probe_hook.dll")), "-luser32", "-lgdi32"],
                       check=True)
        planted = PROBE_SOURCES / "planted"
        subprocess.run([*compile_flags, "-shared", str(planted / "planted.cpp"),
                        "-o", str(out.with_name("planted.dll"))], check=True)
        subprocess.run([*compile_flags, "-municode", str(planted / "plant_loader.cpp"),
                        "-o", str(out.with_name("plant_loader.exe"))], check=True)
        sources = [str(p) for p in sorted(PROBE_SOURCES.glob("*.cpp")) if p != hook]
        subprocess.run([*compile_flags, "-municode", *sources, "-o", str(out),
                        "-luser32", "-lshell32", "-lgdi32", "-lcomctl32"], check=True)
    return out


def collect(selectors: list[str]) -> list[tuple[str, object]]:
    tests = []
    for path in sorted(E2E_DIR.glob("test_*.py")):
        module = importlib.import_module(path.stem)
        functions = [f for name, f in vars(module).items()
                     if name.startswith("test_") and inspect.isfunction(f)
                     and f.__module__ == module.__name__]
        functions.sort(key=lambda f: f.__code__.co_firstlineno)
        for function in functions:
            name = f"{path.stem}::{function.__name__}"
            if not selectors or any(s in name for s in selectors):
                tests.append((name, function))
    return tests


def on_alarm(signum, frame):
    raise TestTimeout("test took too long (hang guard)")


def run_one(name: str, function, prefix: harness.Prefix, arch: Architecture, args,
            probe: Path) -> str | None:
    """Returns None if the test passed, else what went wrong."""
    short = name.split("::")[1]
    artifacts = (BUILD_E2E / "artifacts" / arch.name / name.replace("::", ".")
                 if args.keep else None)
    if artifacts:
        shutil.rmtree(artifacts, ignore_errors=True)
    try:
        with harness.vossik(short, prefix, arch.exe, probe, artifacts) as vossik:
            signal.alarm(args.timeout)
            try:
                function(vossik)
            except Exception as error:  # a failing test, whatever the kind, must not stop the run
                signal.alarm(0)
                return (f"{type(error).__name__}: {error}\n{traceback.format_exc()}"
                        f"on screen: {vossik.describe_screen()}")
            finally:
                signal.alarm(0)
    except Exception as error:  # the harness itself failed, before or after the test
        return f"{type(error).__name__}: {error}\n{traceback.format_exc()}"
    return None


def main() -> int:
    args = parse_args()
    tests = collect(args.select)
    if not tests:
        print(f"e2e: no test matches {args.select}", file=sys.stderr)
        print("e2e: 0 passed, 0 failed")
        return 2

    signal.signal(signal.SIGALRM, on_alarm)
    arches = {arch.name: arch for arch in architectures(args)}
    counts = {name: collections.Counter() for name in arches}
    # The long ones first: handed out last, one could keep its worker busy long after the others.
    tests.sort(key=lambda test: not harness.is_long_running(test[1]))
    listed = [(arch, name, function) for arch in arches.values() for name, function in tests
              if arch.wants(function)]
    runnable, probes = [], {}
    for arch in arches.values():
        wanted = [workers.Test(arch.name, n) for n, t in enumerate(listed) if t[0] is arch]
        if wanted and not arch.exe.exists():
            print(f"e2e: no program at {arch.exe} (build it, or give --exe/--exe64)",
                  file=sys.stderr)
            counts[arch.name]["failed"] += len(wanted)
        elif wanted:
            probes[arch.name] = find_probe(arch)
            runnable += wanted

    def run_test(test: workers.Test, prefix: harness.Prefix) -> str | None:
        arch, name, function = listed[test.number]
        return run_one(name, function, prefix, arch, args, probes[test.arch])

    # One count over every exe, in the order the tests end, so that the progress line says how
    # far the whole run has come.
    done = 0

    def report(outcome: workers.Outcome) -> None:
        nonlocal done
        done += 1
        arch, name, _ = listed[outcome.test.number]
        # The 32-bit lines keep the form they always had; the others say which exe ran.
        label = "" if arch.wine_arch == "win32" else f" [{arch.name}]"
        line = f"[{done}/{len(listed)}] {{}} {name}{label} ({outcome.took:.1f} s)"
        sys.stdout.write(outcome.printed)
        if outcome.problem is None:
            counts[arch.name]["passed"] += 1
            print(line.format("PASS"), flush=True)
        else:
            counts[arch.name]["failed"] += 1
            headline, _, detail = outcome.problem.partition("\n")
            print(line.format("FAIL") + f": {headline}", flush=True)
            if detail.strip():
                print("    " + detail.rstrip().replace("\n", "\n    "), flush=True)

    first_prefixes = {name: (arch.prefix.resolve(), arch.wine_arch)
                      for name, arch in arches.items()}
    workers.run(runnable, first_prefixes, args.jobs, run_test, report,
                lambda line: print(line, flush=True))
    for name, count in counts.items():
        print(f"e2e {name}: {count['passed']} passed, {count['failed']} failed")
    failed = sum(count["failed"] for count in counts.values())
    print(f"e2e: {sum(count['passed'] for count in counts.values())} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
