"""End-to-end harness: runs Vossik.exe under Wine on a private X display and drives it.

One Wine prefix, build/wine, serves every run and scripts/run too (making it takes ~15 s, once);
every test gets its own Xvfb display, a fresh wineserver with its own virtual desktop, and a
fresh folder on drive C: with the exe and, if the test wants one, a settings file. Everything
started for a test is ended when it finishes, passed or not, and its folders on C: go.

`python3 tests/e2e/harness.py` makes that prefix if it is missing (scripts/run does), `python3
tests/e2e/harness.py win32|win64 PATH` another one.

Tests look at and act on the program through the probe (tests/e2e/probe), a Win32 console
program run with Wine inside the same desktop; it answers in JSON.

The 64-bit exe runs in a second prefix of its own, build/wine64, made the same way with
WINEARCH=win64; each prefix has its own lock and its own probe, built for its architecture.

Notes on Wine 8.0 that shape this file:
- A prefix holds processes of one architecture only, as far as the tests go: the 32-bit
  program in a 32-bit prefix (WINEARCH=win32), the 64-bit one in a 64-bit prefix, whose shell
  is 64-bit too. The probe reads the shell's tooltips and the program's controls with
  cross-process memory, which is plain when both sides have the same pointer size.
- The desktop is named "shell": Wine gives a virtual desktop of that name a taskbar with window
  buttons and a notification area (any other name gets a bare desktop). The prefix's default
  desktop is that one too, so the probe lands in the program's desktop and sees its windows.
- Tray icons are drawn inside the taskbar window, not as windows; each has a tooltip owned by
  the taskbar whose tool rectangle is the icon and whose text is the tip. The probe reads those
  (see probe/cmd_tray.cpp). The first icon added is the rightmost one.
"""

from __future__ import annotations

import contextlib
import fcntl
import json
import os
import pwd
import re
import select
import shutil
import signal
import subprocess
import sys
import time
import urllib.parse
from pathlib import Path
from typing import Any, Callable, Iterator

REPO = Path(__file__).resolve().parents[2]

MAIN_FORM = "Configuration Vossik'"
APP_WINDOW = "Vossik'"
INI_NAME = "Vossik'.ini"
DESKTOP = "shell"
SCREEN = "1024x768"

# Folders behind the prefix's CD-ROM drives D: and E: (Prefix.ensure).
CD_WITH_DISC = "vossik-cd-with-disc"
CD_WITHOUT_DISC = "vossik-cd-without-disc"
# The program copied under this name sees Windows XP (version 5.1): Vossik.use_exe_name().
XP_EXE_NAME = "VossikXP.exe"

# The prefix's screen scale (LogPixels): 100 %, unless a test asks for another (Vossik.start).
DPI = 96

# The system colours of Windows' "High Contrast White" scheme, as HKCU\Control Panel\Colors
# names them: for a start in high contrast (Vossik.start(colors=...), Vossik.high_contrast()).
HIGH_CONTRAST_WHITE = {
    "ActiveTitle": "0 0 0", "GradientActiveTitle": "0 0 0", "TitleText": "255 255 255",
    "InactiveTitle": "255 255 255", "GradientInactiveTitle": "255 255 255",
    "InactiveTitleText": "0 0 0", "Menu": "255 255 255", "MenuBar": "255 255 255",
    "MenuText": "0 0 0", "MenuHilight": "55 0 110", "Hilight": "55 0 110",
    "HilightText": "255 255 255", "GrayText": "96 0 0", "Window": "255 255 255",
    "WindowText": "0 0 0", "ButtonFace": "255 255 255", "ButtonText": "0 0 0",
    "ButtonShadow": "128 128 128", "ButtonHilight": "255 255 255", "InfoWindow": "255 255 255",
    "InfoText": "0 0 0"}
COLORS_KEY = "HKCU\\Control Panel\\Colors"

# Hang guards, never expectations about speed.
PROBE_TIMEOUT_S = 60
WAIT_TIMEOUT_S = 20
PREFIX_TIMEOUT_S = 300


def both_architectures(test: Callable) -> Callable:
    """Marks a test whose outcome can differ between the 32-bit and the 64-bit exe (record
    layouts, pointers and handles in messages, the shell's and the dialogs' 64-bit code):
    run.py runs it against both."""
    test.both_architectures = True
    return test


def runs_on_both_architectures(test: Callable) -> bool:
    return getattr(test, "both_architectures", False)


def long_running(test: Callable) -> Callable:
    """Marks a test that takes far longer than most (it waits for the clock to reach a minute,
    or drives the program through hundreds of events): run.py starts these first, so that
    workers side by side end together."""
    test.long_running = True
    return test


def is_long_running(test: Callable) -> bool:
    return getattr(test, "long_running", False)


class HarnessError(Exception):
    """The harness could not do its part (no Xvfb, Wine failed, a probe command failed...)."""


def _base_env(arch: str) -> dict[str, str]:
    env = dict(os.environ)
    env.update(
        WINEARCH=arch,
        WINEDEBUG="-all",
        # No Mono/Gecko install prompts when the prefix is made.
        WINEDLLOVERRIDES="mscoree,mshtml=",
        # Wine turns the Unix arguments into UTF-16 with the locale's charset: French texts
        # given to the probe must arrive intact.
        LC_ALL="C.UTF-8",
    )
    env.pop("DISPLAY", None)
    return env


WINE_FONTS = Path("/usr/share/wine/fonts")
# The one Wine set-up of the repository: scripts/run, the screenshot command and the tests share
# it, so that the program looks the same whichever of them shows it.
SHARED_PREFIX = REPO / "build" / "wine"
WINE64_LOADER = "/usr/lib/wine/wine64"
# The 64-bit exe's: only the tests use it.
SHARED_PREFIX_64 = REPO / "build" / "wine64"
# Faces the program names that Wine does not bring, and the metric-compatible faces Debian has
# for them (fonts-liberation, installed by scripts/setup). Wine finds those through fontconfig.
FONT_REPLACEMENTS = {"Arial": "Liberation Sans"}


class Prefix:
    """A Wine prefix, made once and kept; one user at a time (see using())."""

    def __init__(self, path: Path = SHARED_PREFIX, arch: str = "win32"):
        self.path = path
        self.arch = arch
        # Debian's `wine` takes the 32-bit loader whenever it is there, and a 32-bit explorer
        # started for the desktop would then hold a 32-bit notification area: 64-bit processes
        # start from the 64-bit loader.
        self.wine = WINE64_LOADER if arch == "win64" and Path(WINE64_LOADER).exists() else "wine"

    def env(self, display: str | None = None) -> dict[str, str]:
        env = _base_env(self.arch)
        env["WINEPREFIX"] = str(self.path)
        if display:
            env["DISPLAY"] = display
        return env

    def drive_c(self) -> Path:
        return self.path / "drive_c"

    @contextlib.contextmanager
    def using(self) -> Iterator["Prefix"]:
        """Holds the prefix, made if need be, for one user: every test ends the prefix's
        wineserver, which would take a program started by scripts/run with it. The scripts take
        the same lock with flock(1) and then name the prefix in VOSSIK_WINE_HELD: it is theirs
        already (scripts/stages.sh)."""
        self.path.parent.mkdir(parents=True, exist_ok=True)
        if os.environ.get("VOSSIK_WINE_HELD") == str(self.path):
            self.ensure()
            yield self
            return
        # Opened without emptying it: the file names its holder, for those that wait.
        with open(self.path.with_name(self.path.name + ".lock"), "a+") as lock:
            try:
                fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
            except BlockingIOError:
                lock.seek(0)
                holder = lock.readline().strip() or "another run"
                print(f"waiting for {self.path}, which {holder} is using; this one goes on when"
                      " that one ends", file=sys.stderr, flush=True)
                fcntl.flock(lock, fcntl.LOCK_EX)
            command = Path(sys.argv[0]).resolve()
            if command.is_relative_to(REPO):
                command = command.relative_to(REPO)
            lock.truncate(0)
            lock.write(f"{command} (process {os.getpid()}, since {time.strftime('%H:%M')})\n")
            lock.flush()
            self.ensure()
            yield self

    def ensure(self) -> None:
        """Makes the prefix unless a finished one is already there.

        Besides what wineboot makes:
        - The default desktop is "shell" (see the module's notes).
        - Debian's Wine does not find its own fonts (MS Sans Serif, Tahoma, Marlett for the
          caption buttons) where the fonts-wine package puts them: the prefix gets copies. Arial
          is replaced by its metric-compatible twin (FONT_REPLACEMENTS).
        - Two CD-ROM drives are added to C: and Z: (the Unix root), all four named bare
          " (X:)" by the shell: D: with a disc (an empty folder, whose size can be read) and E:
          without one (its link leads nowhere, so the size query fails). Wine takes the drive
          kinds from the registry and the drives from the dosdevices links.
        - The program copied as XP_EXE_NAME is told it runs on Windows XP (5.1), through
          Wine's per-program version; every other program keeps the prefix's version.
        """
        if self._scale_marker().exists():
            self.set_dpi(DPI)  # a run stopped while the screen was at another scale
        if self._colors_marker().exists():
            self.restore_colors()  # and while it had other colours
        marker = self.path / ".vossik-ready"
        if marker.exists():
            return
        self.path.mkdir(parents=True, exist_ok=True)
        env = self.env()
        _run(["wineboot", "-i"], env, PREFIX_TIMEOUT_S)

        fonts = self.drive_c() / "windows" / "Fonts"
        fonts.mkdir(parents=True, exist_ok=True)
        for font in WINE_FONTS.glob("*"):
            shutil.copyfile(font, fonts / font.name)

        (self.path / CD_WITH_DISC).mkdir(exist_ok=True)
        for letter, target in (("d:", CD_WITH_DISC), ("e:", CD_WITHOUT_DISC)):
            link = self.path / "dosdevices" / letter
            if link.is_symlink() or link.exists():
                link.unlink()
            link.symlink_to(Path("..") / target)

        replacements = "".join(f'"{face}"="{twin}"\r\n'
                               for face, twin in FONT_REPLACEMENTS.items())
        reg = self.drive_c() / "vossik-prefix.reg"
        reg.write_text("REGEDIT4\r\n\r\n"
                       "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"
                       f'"Desktop"="{DESKTOP}"\r\n\r\n'
                       "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"
                       f'"{DESKTOP}"="{SCREEN}"\r\n\r\n'
                       "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"
                       f"{replacements}\r\n"
                       "[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n"
                       '"d:"="cdrom"\r\n"e:"="cdrom"\r\n\r\n'
                       f"[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\{XP_EXE_NAME}]\r\n"
                       '"Version"="winxp"\r\n', encoding="ascii")
        _run([self.wine, "reg", "import", "C:\\" + reg.name], env, 60)
        # The registry reaches the disk when the wineserver exits.
        _run(["wineserver", "-w"], env, 60)
        reg.unlink()
        marker.touch()

    def _scale_marker(self) -> Path:
        return self.path / ".vossik-scaled"

    def set_dpi(self, dpi: int) -> None:
        """The screen's scale for the programs started next, as Wine takes it: the LogPixels
        value, read at each process's start. No wineserver of the prefix may run: it writes the
        registry to disk as it exits. Another scale than DPI is marked in the prefix, so that
        the next use of the prefix puts DPI back should this run stop before it does."""
        marker = self._scale_marker()
        if dpi != DPI:
            marker.touch()
        env = self.env()
        _run([self.wine, "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t",
              "REG_DWORD", "/d", str(dpi), "/f"], env, 60)
        _run(["wineserver", "-w"], env, 60)
        if dpi == DPI:
            marker.unlink(missing_ok=True)

    def _colors_marker(self) -> Path:
        return self.path / ".vossik-colors.json"

    def _import_colors(self, colors: dict[str, str]) -> None:
        env = self.env()
        reg = self.drive_c() / "vossik-colors.reg"
        values = "".join(f'"{name}"="{value}"\r\n' for name, value in colors.items())
        reg.write_text(f"REGEDIT4\r\n\r\n[{COLORS_KEY.replace('HKCU', 'HKEY_CURRENT_USER')}]"
                       f"\r\n{values}", encoding="ascii")
        _run([self.wine, "reg", "import", "C:\\" + reg.name], env, 60)
        _run(["wineserver", "-w"], env, 60)
        reg.unlink()

    def set_colors(self, colors: dict[str, str]) -> None:
        """The system colours of the programs started next, which Wine reads at each process's
        start. No wineserver of the prefix may run. The prefix's own are kept in a marker file
        until restore_colors(), which the next use of the prefix calls should this run stop
        first."""
        env = self.env()
        listed = _run([self.wine, "reg", "query", COLORS_KEY], env, 60)
        own = {found.group(1): found.group(2) for found in
               re.finditer(r"^\s+(\w+)\s+REG_SZ\s+([\d ]+?)\s*$", listed, re.M)}
        self._colors_marker().write_text(json.dumps({name: own[name] for name in colors}))
        self._import_colors(colors)

    def restore_colors(self) -> None:
        self._import_colors(json.loads(self._colors_marker().read_text()))
        self._colors_marker().unlink()

    def kill_server(self) -> None:
        env = self.env()
        subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30, check=False)
        subprocess.run(["wineserver", "-w"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30, check=False)


def _run(cmd: list[str], env: dict[str, str], timeout: float) -> str:
    result = subprocess.run(cmd, env=env, capture_output=True, timeout=timeout, check=False)
    if result.returncode != 0:
        raise HarnessError(f"{' '.join(cmd)} failed ({result.returncode}): "
                           f"{result.stderr.decode(errors='replace').strip()}")
    return result.stdout.decode(errors="replace")


class Xvfb:
    """A private X server; -displayfd lets Xvfb pick a free display number itself."""

    def __init__(self) -> None:
        read_end, write_end = os.pipe()
        try:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN + "x24",
                 "-nolisten", "tcp"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                start_new_session=True)
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()  # written once the server accepts clients
        if not number:
            self.stop()
            raise HarnessError("Xvfb did not start")
        self.display = ":" + number

    def stop(self) -> None:
        _end_process_group(self.process)


def _end_process_group(process: subprocess.Popen) -> None:
    if process.poll() is not None:
        return
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, signal.SIGTERM)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, signal.SIGKILL)
        process.wait(timeout=10)


class ProbeServer:
    """One probe process that answers a test's commands one after the other (`probe serve`):
    starting a Wine process per command was most of what each look at the program took. Started
    at the first command, once the test's desktop is there; started again at the next command
    if it ended (a test that ends the wineserver ends it too)."""

    def __init__(self, command: list[str], env: dict[str, str], log) -> None:
        self._command = command
        self._env = env
        self._log = log
        self._process: subprocess.Popen | None = None
        self._pending = b""

    def ask(self, args: list[str], timeout_s: float) -> tuple[int, bytes]:
        """Sends one command; returns its exit code and its answer (the JSON document or the
        message). The time limit only stops a hang: the process is then ended."""
        request = (" ".join(urllib.parse.quote(arg, safe="") for arg in args) + "\n").encode()
        if self._process is None or self._process.poll() is not None:
            self._start()
        try:
            self._process.stdin.write(request)
            self._process.stdin.flush()
        except BrokenPipeError:  # ended since its last answer
            self._start()
            self._process.stdin.write(request)
            self._process.stdin.flush()
        deadline = time.monotonic() + timeout_s
        try:
            while b"\n" not in self._pending:
                self._read(deadline)
            header, _, self._pending = self._pending.partition(b"\n")
            code, length = map(int, header.split())
            while len(self._pending) < length:
                self._read(deadline)
        except BaseException:
            # Cut short (a test's time limit, Ctrl+C): its answer must not pass for the next's.
            self.stop()
            raise
        answer, self._pending = self._pending[:length], self._pending[length:]
        return code, answer

    def stop(self) -> None:
        """Ends the process: at the end of its input, or else by a signal."""
        if self._process is None:
            return
        with contextlib.suppress(OSError):
            self._process.stdin.close()
        with contextlib.suppress(subprocess.TimeoutExpired):
            self._process.wait(timeout=5)
        _end_process_group(self._process)
        self._process = None

    def _start(self) -> None:
        self.stop()
        self._pending = b""
        self._process = subprocess.Popen([*self._command, "serve"], env=self._env,
                                         stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                         stderr=self._log or subprocess.DEVNULL,
                                         start_new_session=True)

    def _read(self, deadline: float) -> None:
        out = self._process.stdout
        ready, _, _ = select.select([out], [], [], max(0.0, deadline - time.monotonic()))
        if not ready:
            raise HarnessError("no answer")
        chunk = os.read(out.fileno(), 65536)
        if not chunk:
            raise HarnessError("ended without an answer")
        self._pending += chunk


def _ini_bytes(text: str | bytes) -> bytes:
    """A settings file's bytes: text goes Windows-1252 with CR LF line ends."""
    if isinstance(text, bytes):
        return text
    return "\r\n".join(text.replace("\r\n", "\n").split("\n")).encode("cp1252")


def _unlock(folder: Path) -> None:
    """Undoes lock_folder()."""
    if os.geteuid() == 0:
        subprocess.run(["chattr", "-i", str(folder)], capture_output=True, timeout=30,
                       check=False)
    folder.chmod(0o755)


def _remove_folder(folder: Path) -> None:
    """Removes a folder, also one that lock_folder() made unwritable."""
    if folder.exists():
        _unlock(folder)
        shutil.rmtree(folder, ignore_errors=True)


class Vossik:
    """One test's world: a display, a Wine desktop, a folder with the exe; and the probe."""

    def __init__(self, name: str, prefix: Prefix, exe: Path, probe_exe: Path,
                 artifacts: Path | None):
        self.name = name
        self.prefix = prefix
        self.exe = exe
        self.artifacts = artifacts
        folder = "vossik-" + name.replace("_", "-")
        self.exe_dir = prefix.drive_c() / folder
        self.windows_exe_dir = "C:\\" + folder
        self.probe_dir = prefix.drive_c() / "vossik-e2e"
        self.probe_path = "C:\\vossik-e2e\\probe.exe"
        self.exe_name = "Vossik.exe"
        self._probe_exe = probe_exe
        self._planted: tuple[str, ...] = ()
        self._xvfb: Xvfb | None = None
        self._desktop: subprocess.Popen | None = None
        self._program: subprocess.Popen | None = None
        # Copies started by start_again(), the folders of copies made for them, and the other
        # ways to the program's folder (folder_alias()).
        self._again: list[subprocess.Popen] = []
        self._copies: list[Path] = []
        self._aliases: list[Path] = []
        self._locked = False
        self._log = None
        self.log_path: Path | None = None
        self._scaled = False
        self._colored = False
        self._probe_server: ProbeServer | None = None

    # -- life cycle ---------------------------------------------------------------------------

    def setup(self) -> None:
        _remove_folder(self.exe_dir)
        shutil.rmtree(self.roaming_dir, ignore_errors=True)
        self.exe_dir.mkdir(parents=True)
        shutil.copy2(self.exe, self.exe_dir / "Vossik.exe")
        self.probe_dir.mkdir(exist_ok=True)
        shutil.copy2(self._probe_exe, self.probe_dir / "probe.exe")
        # dump reads fonts through this DLL; without it fonts come back null.
        hook_dll = self._probe_exe.with_name("probe_hook.dll")
        if hook_dll.exists():
            shutil.copy2(hook_dll, self.probe_dir / "probe_hook.dll")
        self._xvfb = Xvfb()

    def use_exe_name(self, name: str) -> None:
        """Starts the program under another file name (XP_EXE_NAME makes it see Windows XP)."""
        shutil.copy2(self.exe, self.exe_dir / name)
        (self.exe_dir / self.exe_name).unlink()
        self.exe_name = name

    def use_folder(self, name: str) -> None:
        """Moves the program into the folder C:\\<name> (any script) before it starts."""
        target = self.prefix.drive_c() / name
        shutil.rmtree(target, ignore_errors=True)
        shutil.move(self.exe_dir, target)
        self.exe_dir = target
        self.windows_exe_dir = "C:\\" + name

    def lock_folder(self) -> None:
        """Makes the program's folder one it cannot write, as "Program Files" is to a user. Wine
        keeps to the Unix rights; root, whom they do not stop, to the immutable flag."""
        self.exe_dir.chmod(0o555)
        self._locked = True
        if os.geteuid() == 0:
            flagged = subprocess.run(["chattr", "+i", str(self.exe_dir)], capture_output=True,
                                     text=True, timeout=30, check=False)
            if flagged.returncode != 0:
                raise HarnessError("no folder here that root cannot write (chattr +i: "
                                   f"{flagged.stderr.strip()}); run the tests as another user")

    def remove_ini(self) -> None:
        """Deletes the settings file beside the program, from a locked folder too."""
        _unlock(self.exe_dir)
        (self.exe_dir / INI_NAME).unlink()
        if self._locked:
            self.lock_folder()

    @property
    def roaming_dir(self) -> Path:
        """The program's folder in the user's application-data folder (%APPDATA%\\Vossik')."""
        user = pwd.getpwuid(os.getuid()).pw_name
        return self.prefix.drive_c() / "users" / user / "AppData" / "Roaming" / APP_WINDOW

    def start(self, *args: str, ini: str | bytes | None = None, tz: str | None = None,
              dpi: int = DPI, colors: dict[str, str] | None = None) -> None:
        """Writes the settings file if given, then starts the program in a new desktop; `tz`
        (a POSIX TZ value) moves the local time that the desktop and the program see, `dpi`
        the screen's scale (144 for 150 %) and `colors` some system colours for this test."""
        if ini is not None:
            self.write_ini(ini)
        if dpi != DPI:
            self.prefix.set_dpi(dpi)
            self._scaled = True
        if colors:
            self.prefix.set_colors(colors)
            self._colored = True
        self._start_desktop([self.windows_exe_dir + "\\" + self.exe_name, *args], tz)

    def start_desktop(self) -> None:
        """Starts the test's desktop without the program, for what must be in place before the
        program starts; launch() starts it then. The desktop's own program is a probe that
        waits."""
        self._start_desktop([self.probe_path, "hold-file", self.probe_path,
                             str(PREFIX_TIMEOUT_S * 1000)], None)

    def launch(self, *args: str) -> None:
        """Starts the program in the desktop that start_desktop() made."""
        self._program = subprocess.Popen(
            [self.prefix.wine, self.windows_exe_dir + "\\" + self.exe_name, *args],
            env=self._env(), stdout=self._log, stderr=subprocess.STDOUT, start_new_session=True)

    def _start_desktop(self, command: list[str], tz: str | None) -> None:
        # Not in the exe's folder, which a test may have locked.
        log_dir = self.artifacts or self.probe_dir
        log_dir.mkdir(parents=True, exist_ok=True)
        self.log_path = log_dir / "wine.log"
        self._log = open(self.log_path, "wb")
        env = self._env()
        # Shell_NotifyIcon adds, refusals and deletes, for when a tray test fails.
        env["WINEDEBUG"] = "-all,+systray"
        if tz is not None:
            env["TZ"] = tz
        # Now and then the desktop's explorer leaves at once, as if the previous test's
        # wineserver were still going away: start it again, once.
        for attempt in range(2):
            self.started_at = time.monotonic()  # for the benchmarks' start-up times
            self._desktop = subprocess.Popen(
                [self.prefix.wine, "explorer", f"/desktop={DESKTOP},{SCREEN}", *command],
                env=env, stdout=self._log, stderr=subprocess.STDOUT, start_new_session=True)
            # A Wine process that arrives before the desktop exists starts a second explorer for
            # it, and the two can block each other for a minute: no probe before the desktop.
            try:
                self.wait_until(self._desktop_window_exists, "the Wine desktop window",
                                PREFIX_TIMEOUT_S)
                break
            except HarnessError:
                if attempt:
                    raise
                self.prefix.kill_server()

    def start_again(self, *args: str, copy_to: str | None = None,
                    ini: str | bytes | None = None, folder: str | None = None) -> subprocess.Popen:
        """Starts the program once more in the running desktop, as a shortcut would: from its
        folder (the Windows path `folder` of it, if given), or from a copy of it in
        C:\\<copy_to> (gone with the test) with that settings file. Returns the Wine process,
        which ends with the program."""
        exe = (folder or self.windows_exe_dir) + "\\" + self.exe_name
        if copy_to is not None:
            folder = self.prefix.drive_c() / copy_to
            _remove_folder(folder)
            folder.mkdir()
            self._copies.append(folder)
            shutil.copy2(self.exe_dir / self.exe_name, folder / self.exe_name)
            if ini is not None:
                (folder / INI_NAME).write_bytes(_ini_bytes(ini))
            exe = f"C:\\{copy_to}\\{self.exe_name}"
        process = subprocess.Popen([self.prefix.wine, exe, *args], env=self._env(),
                                   stdout=self._log, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        self._again.append(process)
        return process

    def folder_alias(self, letter: str | None = None) -> str:
        """Another way to the program's folder, as a shortcut may take it: a symbolic link on
        C:, or the drive `letter`; gone with the test. Returns its Windows path."""
        if letter is None:
            alias = self.prefix.drive_c() / (self.exe_dir.name + "-link")
            path = "C:\\" + alias.name
        else:
            alias = self.prefix.path / "dosdevices" / f"{letter.lower()}:"
            path = f"{letter.upper()}:"
        alias.unlink(missing_ok=True)
        alias.symlink_to(self.exe_dir)
        self._aliases.append(alias)
        return path

    def _env(self) -> dict[str, str]:
        env = self.prefix.env(self.display)
        if self._planted:
            names = ",".join(name.lower().removesuffix(".dll") for name in self._planted)
            env["WINEDLLOVERRIDES"] += f";{names}=n,b"
        return env

    def _desktop_window_exists(self) -> bool:
        found = subprocess.run(["xdotool", "search", "--name", f"^{DESKTOP} - Wine desktop$"],
                               env=self.prefix.env(self.display), capture_output=True,
                               timeout=30, check=False)
        if self._desktop and self._desktop.poll() is not None:
            raise HarnessError(f"wine explorer exited with {self._desktop.returncode}")
        return found.returncode == 0 and bool(found.stdout.strip())

    def teardown(self) -> None:
        self.prefix.kill_server()
        if self._probe_server:
            self._probe_server.stop()
        for process in [self._desktop, self._program, *self._again]:
            if process:
                _end_process_group(process)
        if self._xvfb:
            self._xvfb.stop()
        if self._log:
            self._log.close()
        # The prefix is also the user's (scripts/run): its drive C: is left as it was found, the
        # settings file kept with the artifacts.
        ini = self.exe_dir / INI_NAME
        if self.artifacts is not None and ini.exists():
            self.artifacts.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ini, self.artifacts / INI_NAME)
        for alias in self._aliases:
            alias.unlink(missing_ok=True)
        for folder in [self.exe_dir, *self._copies]:
            _remove_folder(folder)
        shutil.rmtree(self.roaming_dir, ignore_errors=True)
        shutil.rmtree(self.probe_dir, ignore_errors=True)
        if self._scaled:
            self.prefix.set_dpi(DPI)
        if self._colored:
            self.prefix.restore_colors()

    @property
    def display(self) -> str:
        assert self._xvfb, "setup() first"
        return self._xvfb.display

    # -- files --------------------------------------------------------------------------------

    def write_ini(self, text: str | bytes) -> None:
        """The program's settings file: Windows-1252 with CR LF line ends."""
        (self.exe_dir / INI_NAME).write_bytes(_ini_bytes(text))

    def read_ini_bytes(self) -> bytes | None:
        path = self.exe_dir / INI_NAME
        return path.read_bytes() if path.exists() else None

    @property
    def windows_ini_path(self) -> str:
        return self.windows_exe_dir + "\\" + INI_NAME

    def systray_adds(self, owner: int) -> list[int]:
        """Ids of the icons the shell was asked to add for that window, in the order asked:
        Wine's +systray trace in wine.log (what the program sent, not what is on screen)."""
        assert self.log_path, "start() first"
        adds = []
        for line in self.log_path.read_text(errors="replace").splitlines():
            found = re.search(r":add_icon id=0x([0-9A-F]+), hwnd=([0-9A-F]+)", line, re.I)
            if found and int(found.group(2), 16) == owner:
                adds.append(int(found.group(1), 16))
        return adds

    def notify_record_sizes(self) -> set[int]:
        """The record sizes (cbSize) of the desktop's Shell_NotifyIcon calls so far, from
        Wine's +systray trace in wine.log."""
        assert self.log_path, "start() first"
        return {int(size) for size in re.findall(r"Shell_NotifyIconW dwMessage = \d+, "
                                                 r"nid->cbSize=(\d+)",
                                                 self.log_path.read_text(errors="replace"))}

    def plant_libraries(self, *names: str) -> None:
        """Puts the marker library (probe/planted) beside the program under these names, before
        start(). Wine then prefers such files to its own libraries of those names, as Windows
        does for them, in the program and in load_beside()."""
        for name in names:
            shutil.copy2(self._probe_exe.with_name("planted.dll"), self.exe_dir / name)
        self._planted = names

    def loaded_plants(self) -> list[str]:
        """The planted names that some process has loaded (each leaves a marker file)."""
        return sorted(p.name.removesuffix(".loaded") for p in self.exe_dir.glob("*.loaded"))

    def plant_programs(self, *names: str) -> None:
        """Puts the marker program (probe/planted) beside the program under these names: one
        that some process starts leaves "<name>.loaded" beside it, as loaded_plants() says."""
        for name in names:
            shutil.copy2(self._probe_exe.with_name("planted_program.exe"), self.exe_dir / name)

    def load_beside(self, *names: str, run: bool = False) -> None:
        """The control: a program in the program's folder loads these libraries by name, or with
        `run` starts these programs by name."""
        shutil.copy2(self._probe_exe.with_name("plant_loader.exe"), self.exe_dir)
        _run([self.prefix.wine, self.windows_exe_dir + "\\plant_loader.exe",
              *(["/run"] if run else []), *names], self._env(), PROBE_TIMEOUT_S)

    # -- the probe ----------------------------------------------------------------------------

    def probe(self, *args: Any, timeout_s: float = PROBE_TIMEOUT_S) -> Any:
        words = [str(arg) for arg in args]
        if self._probe_server is None:
            self._probe_server = ProbeServer([self.prefix.wine, self.probe_path],
                                             self.prefix.env(self.display), self._log)
        try:
            code, answer = self._probe_server.ask(words, timeout_s)
        except HarnessError as error:
            raise HarnessError(f"probe {' '.join(words)}: {error}") from error
        if code != 0:
            raise HarnessError(f"probe {' '.join(words)}: "
                               f"{answer.decode(errors='replace').strip()}")
        return json.loads(answer.decode("utf-8"))

    def wait_window(self, caption: str, timeout_ms: int = WAIT_TIMEOUT_S * 1000) -> dict:
        return self.probe("wait-window", caption, timeout_ms)

    def wait_gone(self, caption: str, timeout_ms: int = WAIT_TIMEOUT_S * 1000) -> None:
        self.probe("wait-gone", caption, timeout_ms)

    def windows(self) -> list[dict]:
        return self.probe("windows")

    def window(self, caption: str) -> dict | None:
        return next((w for w in self.windows() if w["caption"] == caption), None)

    def taskbar(self) -> list[dict]:
        """Visible taskbar buttons, left to right, with the window each stands for."""
        return self.probe("taskbar")

    def dump(self, caption: str = MAIN_FORM) -> dict:
        return self.probe("dump", caption)

    def click(self, caption: str, text: str, mouse: bool = False) -> dict:
        return self.probe("click", caption, text, *(["--mouse"] if mouse else []))

    def key(self, caption: str, name: str) -> dict:
        """Presses Enter or Escape on the keyboard, in that window brought to the front."""
        return self.probe("key", caption, name)

    def select_tab(self, caption: str, text: str) -> dict:
        """Switches to the page of that caption; its tab shows it without the blanks around."""
        return self.probe("select-tab", caption, text.strip())

    def type_text(self, caption: str, label: str, text: str) -> str:
        """Types the text into the field that follows that label, replacing its text; returns
        what the field then holds (its length limit applies, as when typing)."""
        return self.probe("type-text", caption, label, text)["text"]

    def tree(self, caption: str, *path: str, right_click: bool = False) -> dict:
        """Opens the tree view's items named from the root down and selects the last one, or
        clicks it with the right button: {roots, selection (texts from the root), children
        (of the selection)}."""
        return self.probe("tree", caption, *path, *(["--right-click"] if right_click else []))

    def dpi_changed(self, caption: str, dpi: int) -> dict:
        """WM_DPICHANGED, as when the window is moved to a monitor of that scale."""
        return self.probe("dpi-changed", caption, dpi)

    def resize(self, caption: str, width: int, height: int) -> dict:
        """Gives the window that outer size, as dragging its border would."""
        return self.probe("resize", caption, width, height)

    def tray(self, message: str | int, icon_id: int, taken: bool = False) -> dict:
        """The tray callback, as the shell sends it; `taken`: returns once the program has taken
        it in (it may have opened a menu or a box)."""
        return self.probe("tray", message, icon_id, *(["--taken"] if taken else []))

    def xdotool(self, *args: Any) -> None:
        """Real input from X, as a user's mouse and keyboard give it."""
        subprocess.run(["xdotool", *map(str, args)], env=self.prefix.env(self.display),
                       check=True, timeout=PROBE_TIMEOUT_S)

    def tray_click(self, icon_id: int, button: str = "L", double: bool = False) -> None:
        """What the shell sends for a click on an icon: the press and the release; for a double
        click the second press comes as a double click, then its release."""
        name = {"L": "LBUTTON", "R": "RBUTTON"}[button]
        messages = [f"WM_{name}DOWN", f"WM_{name}UP"]
        if double:
            messages += [f"WM_{name}DBLCLK", f"WM_{name}UP"]
        for message in messages:
            self.tray(message, icon_id)

    def taskbar_created(self) -> dict:
        return self.probe("taskbar-created")

    def device(self, event: str, letters: str, kind: str = "media", count: int = 1,
               interval_ms: int = 0) -> dict:
        """kind: "media", "net" or "plain" (the volume's flags). A count above one is a stream:
        the event, then the other one, in turn, `interval_ms` apart."""
        return self.probe("device", event, letters, kind, count, interval_ms,
                          timeout_s=PROBE_TIMEOUT_S + count * (interval_ms + 5) / 1000)

    def copy_data(self, size: int) -> dict:
        """A WM_COPYDATA of that many bytes to the main form, as another program may send it:
        {answered, answer}."""
        return self.probe("copy-data", size)

    def burst(self, count: int) -> int:
        """`count` "TaskBarCreated" broadcasts and `count` posts of the program's re-adding
        message, as other programs may make them, all queued before the program reads one;
        returns how many the system took."""
        return self.probe("burst", count)["posted"]

    def post(self, message: int, wparam: int, lparam: int, count: int = 1) -> int:
        """Posts a message to the main form that many times, as another program may; returns
        how many the system took."""
        return self.probe("post", message, wparam, lparam, count)["posted"]

    def message_boxes(self, wait_ms: int = 0) -> list[dict]:
        return self.probe("message-boxes", wait_ms)

    def answer_box(self, caption: str, button: str) -> dict:
        return self.probe("answer-box", caption, button)

    def tray_icons(self) -> list[dict]:
        """Icons shown in the notification area, left to right: [{tip, rect, tooltip}]. Empty
        while the desktop's explorer has not made its taskbar yet (it comes a moment after the
        desktop's window), so that a wait goes on."""
        try:
            return self.probe("tray-icons")
        except HarnessError as error:
            if "no taskbar (Shell_TrayWnd)" not in str(error):
                raise
            return []

    def add_tray_icon(self, caption: str, icon_id: int, tip: str = "probe") -> bool:
        return self.probe("add-tray-icon", caption, icon_id, tip)["added"]

    def remove_tray_icons(self, caption: str, ids: list[int]) -> list[int]:
        return self.probe("remove-tray-icons", caption, *ids)["removed"]

    def processes(self) -> list[dict]:
        """Processes of this test's Wine: [{pid, parent, exe, command_line, started}]."""
        return self.probe("processes")

    def started_by(self, pid: int) -> list[str]:
        """Command lines of the processes that process started and that still run, oldest
        first."""
        children = [p for p in self.processes() if p["parent"] == pid]
        return [p["command_line"] for p in sorted(children, key=lambda p: p["started"])]

    def close_menus(self) -> int:
        """Presses Escape on open popup menus until none is shown; returns the presses."""
        return self.probe("close-menus")["escapes"]

    def menu_key(self, key: str) -> dict:
        """A key in the open popup menu: DOWN, UP, RETURN, ESCAPE, or a character typed."""
        return self.probe("menu-key", key)

    def open_menus(self, icon_id: int, count: int) -> int:
        """Right presses on an icon, each menu drawn, its selection moved, then closed."""
        return self.probe("open-menus", icon_id, count)["opened"]

    def soak(self, seed: int, timeout_s: float, **settings: Any) -> dict:
        """Many events in one probe run, in an order drawn from the seed (probe/cmd_soak.cpp):
        settings callbacks, devices, broadcasts, menus, applies (counts), ids (icon ids),
        drives and absent (letters), check (check box texts). Returns the counts done."""
        named = []
        for name, value in settings.items():
            if name == "check":
                named += [f"check={text}" for text in value]
            elif name == "ids":
                named.append("ids=" + ",".join(map(str, value)))
            else:
                named.append(f"{name}={value}")
        return self.probe("soak", seed, *named, timeout_s=timeout_s)

    def high_contrast(self) -> None:
        """From now on the program hears from the system that high contrast is on, which Wine
        8.0 never says (probe `high-contrast`)."""
        self.probe("high-contrast")

    def gui_objects(self) -> dict:
        """The program's own count of its live GDI and USER objects: {gdi, user}."""
        return self.probe("gui-objects")

    def holding_file(self, windows_path: str,
                     shared: bool = True) -> contextlib.AbstractContextManager[None]:
        """Keeps the file open, shared for reading only, as another program may: meanwhile
        nobody can write, replace or delete it; not `shared`, nobody can even read it."""
        return self._holding(windows_path, "" if shared else "unshared")

    def holding_claim(self) -> contextlib.AbstractContextManager[None]:
        """Holds the block by which the program claims its settings file, as another program
        may make it first, with no window in it."""
        return self._holding(self.windows_ini_path, "block")

    @contextlib.contextmanager
    def _holding(self, windows_path: str, kind: str) -> Iterator[None]:
        holder = subprocess.Popen(
            [self.prefix.wine, self.probe_path, "hold-file", windows_path,
             str(PROBE_TIMEOUT_S * 1000), *([kind] if kind else [])],
            env=self.prefix.env(self.display), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.PIPE)
        try:
            first = holder.stdout.readline()
            if not first:
                raise HarnessError(f"hold-file {windows_path}: "
                                   f"{holder.stderr.read().decode(errors='replace').strip()}")
            yield
        finally:
            holder.stdin.close()
            try:
                holder.wait(timeout=PROBE_TIMEOUT_S)
            except subprocess.TimeoutExpired:
                holder.kill()
                holder.wait()

    # -- waiting and evidence -----------------------------------------------------------------

    def wait_until(self, check: Callable[[], Any], what: str,
                   timeout_s: float = WAIT_TIMEOUT_S) -> Any:
        """Polls `check` until it returns something truthy; the timeout only guards hangs."""
        deadline = time.monotonic() + timeout_s
        last = None
        while True:
            last = check()
            if last:
                return last
            if time.monotonic() > deadline:
                raise AssertionError(f"gave up waiting for {what}; last seen: {last!r}")
            time.sleep(0.05)

    def wait_stable(self, read: Callable[[], Any], what: str, settle_s: float = 0.3,
                    timeout_s: float = WAIT_TIMEOUT_S) -> Any:
        """Polls `read` until its value is not empty and has not changed for `settle_s`."""
        state = {"value": object(), "since": 0.0}

        def settled() -> Any:
            current = read()
            now = time.monotonic()
            if current != state["value"]:
                state.update(value=current, since=now)
            return [current] if current and now - state["since"] >= settle_s else None

        return self.wait_until(settled, what, timeout_s)[0]

    def describe_screen(self) -> str:
        """What is on screen, for a failure report: visible windows and message boxes."""
        try:
            shown = [w["caption"] or w["class"] for w in self.windows()
                     if w["visible"] and w["class"] not in ("Shell_TrayWnd", "#32770")]
            boxes = [(b["caption"], b["texts"]) for b in self.message_boxes()]
        except (HarnessError, subprocess.TimeoutExpired, ValueError) as error:
            return f"(screen unreadable: {error})"
        return f"visible windows: {shown}; message boxes: {boxes}"

    def ink_columns(self, rect: dict) -> list[tuple[int, int]]:
        """The runs of columns of that screen rectangle holding dark pixels (text, pictures),
        left to right, as (first, last) from the rectangle's left edge."""
        width, height = rect["right"] - rect["left"], rect["bottom"] - rect["top"]
        pixels = subprocess.run(
            ["import", "-display", self.display, "-window", "root", "-crop",
             f"{width}x{height}+{rect['left']}+{rect['top']}", "-depth", "8", "txt:-"],
            capture_output=True, text=True, timeout=60, check=True).stdout
        dark = sorted({int(found.group(1)) for found in re.finditer(
            r"^(\d+),\d+: \((\d+),(\d+),(\d+)", pixels, re.M)
            if min(map(int, found.group(2, 3, 4))) < 160})
        runs: list[tuple[int, int]] = []
        for x in dark:
            runs[-1:] = ([(runs[-1][0], x)] if runs and runs[-1][1] == x - 1
                         else runs[-1:] + [(x, x)])
        return runs

    def screenshot(self, name: str = "screen") -> Path | None:
        """Saves the whole virtual screen as a PNG in the artifacts folder (with --keep)."""
        if self.artifacts is None or self._xvfb is None:
            return None
        self.artifacts.mkdir(parents=True, exist_ok=True)
        path = self.artifacts / f"{name}.png"
        subprocess.run(["import", "-display", self.display, "-window", "root", str(path)],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60,
                       check=False)
        return path


@contextlib.contextmanager
def vossik(name: str, prefix: Prefix, exe: Path, probe_exe: Path,
           artifacts: Path | None = None) -> Iterator[Vossik]:
    """A fresh display, desktop and exe folder for one test, ended whatever happens."""
    session = Vossik(name, prefix, exe, probe_exe, artifacts)
    try:
        session.setup()
        yield session
    finally:
        try:
            session.screenshot("final")
        finally:
            session.teardown()


if __name__ == "__main__":
    # `harness.py win64` makes the 64-bit exe's prefix; `harness.py win32|win64 PATH` another
    # one, such as a second test worker's (run.py --jobs).
    given = sys.argv[1:]
    arch = given.pop(0) if given[:1] in (["win32"], ["win64"]) else "win32"
    default = SHARED_PREFIX_64 if arch == "win64" else SHARED_PREFIX
    wanted = Prefix(Path(given[0]).resolve() if given else default, arch)
    with wanted.using() as made:
        print(f"Wine prefix ready: {made.path}")
