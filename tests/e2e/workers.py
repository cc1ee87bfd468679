"""Runs the end-to-end tests in worker processes side by side (run.py --jobs N).

A Wine prefix serves one test at a time, since each test ends the prefix's wineserver; so each
worker holds a prefix of its own and runs its tests one after the other there, on its own Xvfb
displays. The first worker that runs an exe's tests takes that exe's prefix (build/wine,
build/wine64), the next ones its siblings (build/wine-2...), made once and kept like it.

Each worker starts on an exe of its own, the first on the 32-bit one, and stays on it while it
has tests left: with two workers, the second runs the 64-bit tests, then takes its share of the
32-bit ones in build/wine-2. A worker is handed one test at a time, in the order of the list,
so that the workers end together whatever each test takes. What a test prints comes back with
its outcome, so that its lines stay together in the runner's output.
"""

from __future__ import annotations

import collections
import contextlib
import io
import multiprocessing
import multiprocessing.connection
import subprocess
import time
from pathlib import Path
from typing import Callable, NamedTuple

import harness


class Test(NamedTuple):
    """One test on one exe: the exe's name (its Architecture), and the test's number in the
    list the worker processes share with the runner."""
    arch: str
    number: int


class Outcome(NamedTuple):
    test: Test
    problem: str | None  # None when it passed
    took: float
    printed: str


# (test, prefix) -> what went wrong, or None: runs the test in the prefix that the worker holds.
RunTest = Callable[[Test, harness.Prefix], "str | None"]
# What the runner does with each outcome, and with each prefix readied, as they come.
OnOutcome = Callable[[Outcome], None]
OnLine = Callable[[str], None]

# Workers are forked, so that they share the runner's collected tests without pickling them.
CONTEXT = multiprocessing.get_context("fork")


def prefix_path(first: Path, index: int) -> Path:
    """The index-th prefix of an exe: the given one, then its siblings "-2", "-3"..."""
    return first if index == 0 else first.with_name(f"{first.name}-{index + 1}")


def _take_prefix(held: contextlib.ExitStack, path: Path, wine_arch: str,
                 connection: multiprocessing.connection.Connection) -> harness.Prefix | None:
    """Holds the prefix, made if missing, until `held` closes; None if it cannot be made."""
    started = time.monotonic()
    prefix = harness.Prefix(path, wine_arch)
    try:
        held.enter_context(prefix.using())
    except (harness.HarnessError, subprocess.TimeoutExpired, OSError) as error:
        connection.send(("line", f"e2e: cannot make the Wine prefix {path}: {error}"))
        return None
    held.callback(prefix.kill_server)
    connection.send(("line", f"e2e: prefix ready in {time.monotonic() - started:.1f} s"
                             f" ({path.name})"))
    return prefix


def _serve(connection: multiprocessing.connection.Connection, run_test: RunTest) -> None:
    """A worker's loop: each request names a test and the prefix to run it in; the prefix is
    held from the first of its tests to the first test in another one. A worker whose prefix
    cannot be made says so with that test's outcome, and ends."""
    held, held_path, prefix = contextlib.ExitStack(), None, None
    try:
        while (request := connection.recv()) is not None:
            test, path, wine_arch = request
            if path != held_path:
                held.close()
                held, held_path = contextlib.ExitStack(), path
                prefix = _take_prefix(held, Path(path), wine_arch, connection)
            if prefix is None:
                connection.send(("broken", Outcome(test, f"no Wine prefix {path}", 0, "")))
                return
            begun = time.monotonic()
            printed = io.StringIO()
            with contextlib.redirect_stdout(printed):
                problem = run_test(test, prefix)
            connection.send(("done", Outcome(test, problem, time.monotonic() - begun,
                                             printed.getvalue())))
    except (EOFError, BrokenPipeError, KeyboardInterrupt):
        pass  # the runner is gone or stopping; a test under way has ended its Wine already
    finally:
        held.close()


class _Worker:
    def __init__(self, first_arch: str, run_test: RunTest):
        self.connection, child = CONTEXT.Pipe()
        self.process = CONTEXT.Process(target=_serve, args=(child, run_test))
        self.process.start()
        child.close()
        self.arch = first_arch  # the exe whose tests it runs while there are some
        self.prefixes: dict[str, Path] = {}  # the prefix of each exe it ran tests of
        self.test: Test | None = None  # the one under way


def run(tests: list[Test], prefixes: dict[str, tuple[Path, str]], jobs: int,
        run_test: RunTest, on_outcome: OnOutcome, on_line: OnLine) -> None:
    """Runs the tests on at most `jobs` workers. `prefixes`: per exe, its first prefix and its
    Wine architecture, in the order the exes' tests come first."""
    pending: dict[str, collections.deque[Test]] = {arch: collections.deque() for arch in prefixes}
    for test in tests:
        pending[test.arch].append(test)
    order = [arch for arch in prefixes if pending[arch]]
    handed_out = collections.Counter()  # prefixes of each exe given to workers so far
    workers = [_Worker(order[k % len(order)], run_test)
               for k in range(min(jobs, len(tests)))]

    def hand_out(worker: _Worker) -> None:
        worker.test = None
        arch = next((a for a in [worker.arch, *order] if pending[a]), None)
        if arch is None:
            worker.connection.send(None)
            return
        if arch not in worker.prefixes:
            first, _ = prefixes[arch]
            worker.prefixes[arch] = prefix_path(first, handed_out[arch])
            handed_out[arch] += 1
        worker.arch, worker.test = arch, pending[arch].popleft()
        worker.connection.send((worker.test, str(worker.prefixes[arch]), prefixes[arch][1]))

    try:
        for worker in workers:
            hand_out(worker)
        while busy := {w.connection: w for w in workers if w.test is not None}:
            for connection in multiprocessing.connection.wait(list(busy)):
                worker = busy[connection]
                try:
                    kind, message = connection.recv()
                except EOFError:  # the worker died: its test failed, the others go elsewhere
                    on_outcome(Outcome(worker.test, "the test's worker process ended", 0, ""))
                    worker.test = None
                    continue
                if kind == "line":
                    on_line(message)
                    continue
                on_outcome(message)
                if kind == "done":
                    hand_out(worker)
                else:  # its prefix cannot be made: the other workers take the tests left
                    worker.test = None
        # Tests are left only if no worker could go on.
        for test in (t for tests_left in pending.values() for t in tests_left):
            on_outcome(Outcome(test, "not run: no worker left to run it", 0, ""))
    finally:
        for worker in workers:
            # A worker reads the closed pipe as its end; on Ctrl+C it first ends its own
            # test's Wine and display.
            worker.connection.close()
            worker.process.join()
