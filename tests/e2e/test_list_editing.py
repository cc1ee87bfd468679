"""Editing the folder and quick-launch lists: removing, moving and adding entries, with the
notification area following at once."""

from harness import MAIN_FORM, both_architectures

FOLDERS = ["C:\\windows", "C:\\windows\\system32", "C:\\windows\\Fonts"]

THREE_FOLDERS_INI = f"""\
[Lecteurs]
Affichage=0
[Dossiers]
Affichage=1
Nombre=3
Rep0={FOLDERS[0]}
Rac0=Un
Rep1={FOLDERS[1]}
Rac1=Deux
Rep2={FOLDERS[2]}
Rac2=Trois
[Lancement Rapide]
Affichage=1
[Arrêter]
Afficher Icone=0
"""

LAUNCH_DIALOG = "Lancement Rapide"
OPEN_DIALOG = "Choisir une application ou un document"


def tips_by_place(vossik):
    """Tip of each icon by its left edge: ids keep their places, so a place stands for an id."""
    return {icon["rect"]["left"]: icon["tip"]
            for icon in vossik.wait_stable(vossik.tray_icons, "the tray icons")}


def list_box(vossik, index):
    return [c for c in vossik.dump()["controls"] if c["class"].lower() == "listbox"][index]


def click_line(vossik, index, line):
    box = list_box(vossik, index)["screen_rect"]
    vossik.xdotool("mousemove", box["left"] + 30, box["top"] + 9 + 18 * line)
    vossik.xdotool("click", 1)


@both_architectures
def test_removing_moving_and_adding_entries(vossik):
    vossik.start(ini=THREE_FOLDERS_INI)
    before = tips_by_place(vossik)
    # The first icon added stands rightmost: ids 100, 101, 102 from right to left.
    place = sorted(before, reverse=True)
    assert [before[x] for x in place] == ["Un", "Deux", "Trois"], before

    # The first folder goes: its place and the next one show the later folders, the last goes.
    vossik.tray_click(100, button="R", double=True)
    vossik.wait_until(lambda: vossik.window(MAIN_FORM)["visible"], "the configuration window")
    vossik.close_menus()
    vossik.click(MAIN_FORM, "E&nlever")
    vossik.wait_until(lambda: tips_by_place(vossik) == {place[0]: "Deux", place[1]: "Trois"},
                      "ids 100 and 101 showing the later folders, 102 gone")
    assert list_box(vossik, 0)["items"] == FOLDERS[1:]

    # Ctrl+Up on the second line: the two icons trade their tips where they stand.
    click_line(vossik, 0, 1)
    vossik.xdotool("key", "ctrl+Up")
    vossik.wait_until(lambda: tips_by_place(vossik) == {place[0]: "Trois", place[1]: "Deux"},
                      "the icons traded")
    assert list_box(vossik, 0)["items"] == [FOLDERS[2], FOLDERS[1]]
    assert list_box(vossik, 0)["selection"] == 0, "the moved line stays selected"

    # A quick-launch entry with a name and parameters, typed as a user would.
    vossik.select_tab(MAIN_FORM, " Lancement rapide ")
    vossik.click(MAIN_FORM, "Aj&outer")
    vossik.wait_until(lambda: (w := vossik.window(LAUNCH_DIALOG)) and w["visible"],
                      "the launch dialog")
    vossik.xdotool("type", "Bloc")
    vossik.xdotool("key", "Tab")
    vossik.xdotool("type", "C:\\windows\\notepad.exe")
    vossik.xdotool("key", "Tab", "Tab")
    vossik.xdotool("type", "C:\\windows\\win.ini")
    vossik.screenshot("launch-dialog")
    # The system's file dialog, whose library is loaded on first use, opens and cancels.
    vossik.click(LAUNCH_DIALOG, "···", mouse=True)
    vossik.wait_until(lambda: (w := vossik.window(OPEN_DIALOG)) and w["visible"], "the file dialog")
    vossik.screenshot("file-dialog")
    vossik.xdotool("key", "Escape")
    vossik.wait_until(lambda: not vossik.window(OPEN_DIALOG), "the file dialog closed")
    vossik.click(LAUNCH_DIALOG, "Ok")
    vossik.wait_until(lambda: not vossik.window(LAUNCH_DIALOG)["visible"], "the dialog closed")
    # The user is back in the configuration window, with its title bar lit and the keyboard.
    vossik.wait_until(lambda: vossik.window(MAIN_FORM)["foreground"],
                      "the configuration window active again")
    assert list_box(vossik, 1)["items"] == [
        "Bloc (C:\\windows\\notepad.exe C:\\windows\\win.ini)"]
    vossik.click(MAIN_FORM, "Appliquer")
    vossik.wait_until(lambda: "Bloc" in tips_by_place(vossik).values(), "the new entry's icon")
    assert vossik.message_boxes() == []
