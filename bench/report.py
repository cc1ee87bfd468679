"""Figures, never verdicts: each a ratio measured in one run, under Wine for the run-time ones.

    python3 bench/report.py [--large]     (after scripts/build; ~3 minutes, ~7 with --large)

- exe size: Vossik.exe in both Windows builds against a bare notification-icon program
  (bench/win32/bare_tray.cpp) built with the same flags;
- start to last tray icon: from starting the desktop with the program to the shell's last
  add_icon in Wine's +systray log, against the bare program's start to its one icon (the
  desktop's own start is in both);
- many icons: the same time with 90 folders and 900 quick-launch entries and with 9 and 90,
  or with --large 900 and 9000 and 90 and 900 (folders and programs that exist, so no box),
  each against a bare program that adds as many icons, each picture extracted from the file
  the shell names for it (bench/win32/bare_icons.cpp); and how both grow for ten times the
  icons. Each side is the best of two starts, run in the order Vossik, bare, bare, Vossik, so
  that the load other work puts on the machine weighs on both sides alike; each start's own
  CPU time (utime + stime of its Wine process by its last icon) is printed beside it, and the
  private memory of both once settled (Vossik shows one picture per file, the bare program
  keeps one per icon);
- settings load: our reader against the system's profile functions (profile_bench.exe);
- idle: over 60 idle seconds, with a shutdown schedule (six hours away) against without: CPU
  time (utime + stime of the Wine process of Vossik.exe, /proc/<pid>/stat), voluntary context
  switches summed over its threads (/proc/<pid>/task/*/status), and wake-ups of the program's
  own thread. Under Wine one wake-up makes several context switches (each call to the Wine
  server waits for its answer), so wake-ups are counted as the 50 ms windows in which that
  thread's voluntary context switches rose (/proc/<pid>/task/<pid>/status, read 20 times a
  second);
- everything under Wine runs on one core (see one_core());
- memory: private memory (RssAnon of the Wine process, /proc/<pid>/status) once the start has
  settled against
  the bare program's, and against the bare program that first loads the common controls and
  starts the component layer (`bare_tray.exe /libraries`), which is the floor for a program
  with a configuration window under Wine.
"""

import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))

import harness  # noqa: E402
from test_drives_and_clicks import every_group_ini  # noqa: E402

EXE = ROOT / "build/i686/Vossik.exe"
BARE = ROOT / "build/i686/bench/win32/bare_tray.exe"
BARE_ICONS = ROOT / "build/i686/bench/win32/bare_icons.exe"
PROBE = ROOT / "build/i686/tests/e2e/probe/probe.exe"
IDLE_S = 60
WAKE_SAMPLE_S = 0.05
ICONS_TIMEOUT_S = 900  # a guard, not an expectation
SETTLE_TIMEOUT_S = 30


class Steps:
    """A line before each start under Wine, counted as scripts count their steps ("[3/14] ..."),
    so that a long run says how far it has come."""

    def __init__(self, total: int):
        self.done, self.total = 0, total

    def next(self, what: str) -> None:
        self.done += 1
        print(f"[{self.done}/{self.total}] {what}", flush=True)


# Three single starts, four for each of two scales, two idle runs, and the settings load.
STEPS = 3 + 2 * 4 + 2 + 1


def sizes() -> None:
    print("exe sizes (stripped, static C++ runtime):")
    for arch in ("i686", "x86_64"):
        vossik = ROOT / f"build/{arch}/Vossik.exe"
        bare = ROOT / f"build/{arch}/bench/win32/bare_tray.exe"
        if vossik.exists() and bare.exists():
            v, b = vossik.stat().st_size, bare.stat().st_size
            print(f"  {arch:7} Vossik.exe {v:8} bytes   bare tray program {b:8} bytes"
                  f"   ratio {v / b:5.2f}")


class Run:
    """One start under Wine: the program (or the bare one) with a settings text."""

    def __init__(self, prefix: harness.Prefix, name: str, ini: str | None,
                 bare: Path | None = None, args: tuple[str, ...] = ()):
        self.context = harness.vossik(f"bench-{name}", prefix, EXE, PROBE)
        self.vossik = self.context.__enter__()
        if bare:
            shutil.copy2(bare, self.vossik.exe_dir / self.vossik.exe_name)
        if ini is not None:
            self.vossik.write_ini(ini)
        self.vossik.start(*args)

    def close(self) -> None:
        self.context.__exit__(None, None, None)

    def seconds_to_icons(self, count: int) -> float:
        """From the start to the shell's count-th add, read in the +systray log. Only what the
        log gained is read at each look: reading it whole would take more of the machine at
        each icon, from the programs being timed."""
        deadline = time.monotonic() + ICONS_TIMEOUT_S
        adds, read = 0, 0
        with open(self.vossik.log_path, "rb") as log:
            while True:
                log.seek(read)
                lines = log.read()
                lines = lines[:lines.rfind(b"\n") + 1]
                read += len(lines)
                adds += lines.count(b":add_icon id=")
                if adds >= count:
                    return time.monotonic() - self.vossik.started_at
                if time.monotonic() > deadline:
                    raise harness.HarnessError(f"fewer than {count} icons in {ICONS_TIMEOUT_S} s")
                time.sleep(0.01)

    def pid(self) -> int:
        return wine_pid(self.vossik)


def wine_pid(vossik: harness.Vossik) -> int:
    """The Linux pid of the program's Wine process (its command line is the Windows one)."""
    wanted = f"{vossik.windows_exe_dir}\\{vossik.exe_name}".lower()
    for entry in Path("/proc").iterdir():
        if entry.name.isdigit():
            try:
                line = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode(
                    errors="replace")
            except OSError:
                continue
            if line.lower().startswith(wanted):
                return int(entry.name)
    raise harness.HarnessError(f"no process for {wanted}")


def voluntary_switches(task: Path) -> int:
    for line in (task / "status").read_text().splitlines():
        if line.startswith("voluntary_ctxt_switches:"):
            return int(line.split()[1])
    raise harness.HarnessError(f"no context switches in {task}")


def cpu_and_switches(pid: int) -> tuple[float, int]:
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    cpu = (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    switches = sum(voluntary_switches(task) for task in Path(f"/proc/{pid}/task").iterdir())
    return cpu, switches


def thread_wakeups(pid: int, seconds: float) -> int:
    """The WAKE_SAMPLE_S windows, over `seconds`, in which the program's own thread (the one
    whose id is the process's) ran."""
    task = Path(f"/proc/{pid}/task/{pid}")
    last, woke = voluntary_switches(task), 0
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        time.sleep(WAKE_SAMPLE_S)
        now = voluntary_switches(task)
        woke += now != last
        last = now
    return woke


def rss_anon_kib(pid: int) -> int:
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("RssAnon:"):
            return int(line.split()[1])
    raise harness.HarnessError("no RssAnon")


def settled_rss_anon_kib(pid: int) -> int:
    """RssAnon once it has not moved for a second: the start's last steps follow the icons."""
    last, still_since = rss_anon_kib(pid), time.monotonic()
    deadline = still_since + SETTLE_TIMEOUT_S
    while time.monotonic() - still_since < 1 and time.monotonic() < deadline:
        time.sleep(0.1)
        now = rss_anon_kib(pid)
        if now != last:
            last, still_since = now, time.monotonic()
    return last


def scaled_ini(folders: int, launches: int) -> str:
    """Folders and entries that all exist in the prefix, so that no warning box shows."""
    lines = ["[Divers]", "Simple Click=0", "[Lecteurs]", "Affichage=0", "[Dossiers]",
             "Affichage=1", f"Nombre={folders}"]
    for i in range(folders):
        lines += [f"Rep{i}=C:\\windows", f"Rac{i}=Dossier {i}"]
    lines += ["[Lancement Rapide]", "Affichage=1", f"Nombre={launches}"]
    for i in range(launches):
        lines += [f"Rep{i}=C:\\windows\\notepad.exe", f"Rac{i}=Entrée {i}"]
    lines += ["[Arrêter]", "Afficher Icone=0"]
    return "\n".join(lines) + "\n"


def schedule_ini() -> str:
    """A daily shutdown six hours away: its timer runs, it never comes due during the run."""
    hour = (time.localtime().tm_hour + 6) % 24
    return (every_group_ini(simple_click=0) + "[Eteindre auto]\nActiver=1\n"
            f"Heure={hour}\nMinutes=0\nPériodicité=1\nRappel=1\nConfirmation=1\n")


def bare_icons_args(folders: int, launches: int) -> tuple[str, ...]:
    """The bare program's arguments for the icons of scaled_ini(folders, launches)."""
    return (str(folders), "C:\\windows", str(launches), "C:\\windows\\notepad.exe")


def timed_start(prefix: harness.Prefix, name: str, ini: str | None, icons: int,
                bare: Path | None = None, args: tuple[str, ...] = ()) -> tuple[float, int]:
    """Seconds from start to the last icon, and the private memory once settled (KiB)."""
    run = Run(prefix, name, ini, bare, args)
    try:
        seconds = run.seconds_to_icons(icons)
        return seconds, settled_rss_anon_kib(run.pid())
    finally:
        run.close()


Start = tuple[float, float, int]  # seconds to the last icon, CPU seconds by then, KiB


def start_cpu_and_memory(prefix: harness.Prefix, name: str, ini: str | None, icons: int,
                         bare: Path | None = None, args: tuple[str, ...] = ()) -> Start:
    """Seconds from start to the last icon, the program's own CPU seconds by then, and its
    private memory once settled (KiB)."""
    run = Run(prefix, name, ini, bare, args)
    try:
        seconds = run.seconds_to_icons(icons)
        cpu = cpu_and_switches(run.pid())[0]
        return seconds, cpu, settled_rss_anon_kib(run.pid())
    finally:
        run.close()


def many_icons(prefix: harness.Prefix, steps: Steps, folders: int,
               launches: int) -> tuple[Start, Start]:
    """Vossik's start with that many folders and entries and the bare program's with as many
    icons: the quicker of two each."""
    icons = folders + launches

    def vossik() -> Start:
        steps.next(f"Vossik with {folders} folders and {launches} entries")
        return start_cpu_and_memory(prefix, f"many-{icons}", scaled_ini(folders, launches),
                                    icons)

    def bare() -> Start:
        steps.next(f"the bare program with {icons} icons")
        return start_cpu_and_memory(prefix, f"bare-{icons}", None, icons, BARE_ICONS,
                                    bare_icons_args(folders, launches))

    first_vossik, first_bare, second_bare, second_vossik = vossik(), bare(), bare(), vossik()
    return min(first_vossik, second_vossik), min(first_bare, second_bare)


def idle(prefix: harness.Prefix, name: str, ini: str, icons: int) -> tuple[float, int, int]:
    """CPU seconds, context switches of every thread and wake-ups of the program's own thread
    over IDLE_S seconds, once the start has settled."""
    run = Run(prefix, name, ini)
    try:
        run.seconds_to_icons(icons)
        pid = run.pid()
        settled_rss_anon_kib(pid)
        cpu0, switches0 = cpu_and_switches(pid)
        woke = thread_wakeups(pid, IDLE_S)
        cpu1, switches1 = cpu_and_switches(pid)
        return cpu1 - cpu0, switches1 - switches0, woke
    finally:
        run.close()


def under_wine(steps: Steps, large: bool) -> None:
    prefix = harness.Prefix(ROOT / "build/e2e/prefix-bench")
    prefix.ensure()
    every_group = every_group_ini(simple_click=0)
    icons = 7  # C:, D:, Z:, two folders, one entry, the shutdown icon

    steps.next("the bare program")
    bare_s, bare_kib = timed_start(prefix, "bare", None, 1, bare=BARE)
    steps.next("the bare program with the common controls and the component layer")
    _, floor_kib = timed_start(prefix, "floor", None, 1, bare=BARE, args=("/libraries",))
    steps.next("Vossik with every kind of icon")
    vossik_s, vossik_kib = timed_start(prefix, "icons", every_group, icons)
    print(f"start to last tray icon ({icons} icons; desktop start included): Vossik"
          f" {vossik_s:.2f} s, bare program {bare_s:.2f} s, ratio {vossik_s / bare_s:.2f}")
    print(f"private memory (RssAnon) after start: Vossik {vossik_kib} KiB, bare program"
          f" {bare_kib} KiB, ratio {vossik_kib / bare_kib:.2f}; bare program with the common"
          f" controls and the component layer {floor_kib} KiB, ratio"
          f" {vossik_kib / floor_kib:.2f}")

    # The full size (900 + 9000) takes a minute more, so it runs when asked.
    scales = [(90, 900), (900, 9000)] if large else [(9, 90), (90, 900)]
    times = []
    for folders, launches in scales:
        (vossik_s, vossik_cpu, vossik_kib), (bare_s, bare_cpu, bare_kib) = many_icons(
            prefix, steps, folders, launches)
        times.append((vossik_s, bare_s))
        print(f"start to last icon, {folders} folders + {launches} entries (best of two):"
              f" Vossik {vossik_s:.1f} s (its CPU {vossik_cpu:.1f} s), bare program with as many"
              f" icons {bare_s:.1f} s ({bare_cpu:.1f} s), ratio {vossik_s / bare_s:.2f};"
              f" private memory then Vossik {vossik_kib} KiB, bare program {bare_kib} KiB,"
              f" ratio {vossik_kib / bare_kib:.2f}")
    (small_vossik, small_bare), (large_vossik, large_bare) = times
    print(f"growth for 10 times the icons: Vossik {large_vossik / small_vossik:.1f}, bare"
          f" program {large_bare / small_bare:.1f}")

    steps.next(f"Vossik idle for {IDLE_S} s")
    plain = idle(prefix, "idle", every_group, icons)
    steps.next(f"Vossik idle for {IDLE_S} s with a shutdown schedule")
    scheduled = idle(prefix, "schedule", schedule_ini(), icons)
    print(f"{IDLE_S} idle seconds: CPU {plain[0]:.2f} s and {plain[1]} context switches without"
          f" a schedule; {scheduled[0]:.2f} s and {scheduled[1]} with one; ratios"
          f" {scheduled[0] / max(plain[0], 0.01):.1f} and {scheduled[1] / max(plain[1], 1):.1f}")
    print(f"{IDLE_S} idle seconds, wake-ups of the program's thread ({WAKE_SAMPLE_S * 1000:.0f}"
          f" ms windows in which it ran): {plain[2]} without a schedule, {scheduled[2]} with one")


def profile(steps: Steps) -> None:
    bench = ROOT / "build/i686/bench/profile/profile_bench.exe"
    steps.next("the settings load against the system's profile functions")
    if not bench.exists():
        print(f"  no {bench.relative_to(ROOT)}: build it with scripts/build i686")
        return
    prefix = harness.Prefix(ROOT / "build/e2e/prefix-bench")
    result = subprocess.run(["wine", str(bench)], env=prefix.env(), capture_output=True,
                            text=True, timeout=600, cwd=ROOT / "build/e2e", check=False)
    print("settings file, 900 folders and 9000 quick-launch entries:")
    print("  " + result.stdout.strip().replace("\n", "\n  "))


def one_core() -> None:
    """Keeps this run and every process it starts (Wine's server and desktop included) on one
    core. Each icon's add is a round trip between the program, the Wine server and the
    desktop's process; on two shared cores these hand-offs moving between cores made the same
    990-icon start take 6 s or 18 s, whatever the program did."""
    os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})


if __name__ == "__main__":
    one_core()
    sizes()
    steps = Steps(STEPS)
    under_wine(steps, "--large" in sys.argv[1:])
    profile(steps)
