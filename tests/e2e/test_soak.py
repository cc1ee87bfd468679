"""A long stream of events of every kind: afterwards the program answers, its icons and its
settings file are what they were, and it holds no more GDI or USER objects than after its start.

The test runs a short stream; bench/soak.py runs the long one with the same code. The program
runs in double-click mode, and left double clicks are never sent: nothing is opened.
"""

from harness import MAIN_FORM, long_running
from test_drives_and_clicks import (C, FOLDER_WINDOWS, NOTEPAD, SHUTDOWN, every_group_ini,
                                    start_in_tray)

SHORT = dict(callbacks=600, devices=150, broadcasts=15, menus=20, applies=15)
# The existing icons, and ids without an icon: a drive letter past Z:, a folder, an entry.
IDS = [0, 1, 2, 3, 4, FOLDER_WINDOWS, FOLDER_WINDOWS + 1, FOLDER_WINDOWS + 2, NOTEPAD,
       NOTEPAD + 1, SHUTDOWN]
DRIVES, ABSENT = "CDEZ", "FGRX"
# Options that change which icons show; none opens, saves elsewhere or shuts down.
CHECKS = ["Disques a&movibles", "Disques &fixes (durs)", "&Lecteurs CD-Roms", "Disques &virtuels",
          "Disques &réseaux", "Garder les icones CD-ROM", "&Afficher les dossiers",
          "&Afficher les lancements rapides", "&Afficher l'icône Arrêter"]
# The refresh after a device notification waits the shortest delay, 0.2 s.
SOAK_INI = every_group_ini(simple_click=0).replace("[Divers]\n", "[Divers]\nTemporisation=0\n")


def tips(vossik):
    return sorted(i["tip"] for i in vossik.wait_stable(vossik.tray_icons, "the tray icons"))


def shown(vossik):
    form = vossik.window(MAIN_FORM)
    return form and form["visible"]


def show_form(vossik):
    vossik.tray("WM_RBUTTONDBLCLK", C)
    vossik.wait_until(lambda: shown(vossik), "the configuration window")


def soak(vossik, seed, counts, timeout_s):
    """Runs the stream and checks the program after it; returns the summary line."""
    start_in_tray(vossik, SOAK_INI)
    vossik.open_menus(C, 1)  # the fonts and brushes kept for all menus
    first = vossik.gui_objects()
    tips_at_start = tips(vossik)
    common = dict(ids=IDS, drives=DRIVES, absent=ABSENT, timeout_s=timeout_s)
    half = {kind: counts[kind] // 2 for kind in ("callbacks", "devices", "broadcasts")}

    # Menus open only while the configuration window is hidden, "Appliquer" is clicked while
    # it shows; the rest comes in both halves.
    done = vossik.soak(seed, menus=counts["menus"], **half, **common)["events"]
    show_form(vossik)
    vossik.click(MAIN_FORM, "Appliquer")
    saved = vossik.read_ini_bytes()
    rest = {kind: counts[kind] - n for kind, n in half.items()}
    done += vossik.soak(seed + 1, applies=counts["applies"], check=CHECKS, **rest,
                        **common)["events"]
    vossik.click(MAIN_FORM, "Réduire")
    vossik.wait_until(lambda: not shown(vossik), "the configuration window hidden")

    last = vossik.gui_objects()  # the program answers
    line = (f"soak: GDI {first['gdi']} -> {last['gdi']}, USER {first['user']} -> "
            f"{last['user']}, {done} events")
    print(line, flush=True)
    assert last == first, line
    assert vossik.message_boxes() == []
    assert tips(vossik) == tips_at_start
    assert vossik.read_ini_bytes() == saved

    # The file reads back: started again, the program shows the same icons.
    show_form(vossik)
    vossik.click(MAIN_FORM, "&Quitter")
    vossik.wait_gone(MAIN_FORM)
    vossik.start()
    assert tips(vossik) == tips_at_start
    return line


@long_running
def test_soak(vossik):
    soak(vossik, 1, SHORT, 90)
