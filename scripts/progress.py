"""How far a stage has come, from the log its command writes: `progress.py LOG PARENT_PID`.

Shows the last count of the log, a line that starts as ninja's do ("[12/148] Building ..."),
as the end-to-end runner's ("[3/95] PASS ...") do too, after the name of the part under way
when the log gives one ("== i686", from scripts/build). On a terminal one line is rewritten in
place and cleared at the end; elsewhere (a CI log) a line is printed at most every 20 s. Ends
when sent SIGTERM (scripts/stages.sh, once the command has ended) or when its parent is gone.
"""

import os
import re
import shutil
import signal
import sys
import time

COUNT = re.compile(rb"^\[(\d+)/(\d+)\] ?(.*)$")
PART = re.compile(rb"^== (.+)$")
LOOK_EVERY_S = 0.5
PRINT_EVERY_S = 20


class Display:
    def __init__(self) -> None:
        self.terminal = sys.stdout.isatty()
        self.shown = ""
        self.printed_at = time.monotonic()

    def show(self, text: str) -> None:
        if text == self.shown:
            return
        if self.terminal:
            width = shutil.get_terminal_size().columns - 1
            sys.stdout.write("\r\033[K" + text[:width])
        elif time.monotonic() - self.printed_at >= PRINT_EVERY_S:
            sys.stdout.write(text + "\n")
            self.printed_at = time.monotonic()
        else:
            return
        sys.stdout.flush()
        self.shown = text

    def clear(self) -> None:
        if self.terminal and self.shown:
            sys.stdout.write("\r\033[K")
            sys.stdout.flush()


def main() -> int:
    log, parent = sys.argv[1], int(sys.argv[2])
    display = Display()

    def end(*_: object) -> None:
        display.clear()
        sys.exit(0)

    signal.signal(signal.SIGTERM, end)
    read, pending, part = 0, b"", ""
    while os.getppid() == parent:
        time.sleep(LOOK_EVERY_S)
        try:
            with open(log, "rb") as file:
                file.seek(read)
                pending += file.read()
                read = file.tell()
        except OSError:
            continue
        complete, _, pending = pending.rpartition(b"\n")
        latest = ""
        for line in complete.splitlines():
            if named := PART.match(line):
                part = named[1].decode(errors="replace")
                latest = f"  {part}"
            elif counted := COUNT.match(line):
                done, total, what = (group.decode(errors="replace") for group in counted.groups())
                latest = f"  {part + ' ' if part else ''}{done}/{total} {what}"
        if latest:
            display.show(latest)
    end()
    return 0


if __name__ == "__main__":
    sys.exit(main())
