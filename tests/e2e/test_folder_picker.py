"""Adding a folder through the picker as a user does: the shell's folder tree under the computer,
a name typed in, a resizable window whose controls follow its border, Escape that closes it with
nothing changed, then OK and "Appliquer" that show the folder's icon."""

import re

from harness import MAIN_FORM

PICKER = "Choisir un dossier"
NAME_LABEL = "&Nom raccourci :"
WS_TABSTOP, WS_THICKFRAME = 0x10000, 0x40000


def picker_controls(vossik):
    """The picker's controls by text, the tree and the name field by class."""
    return {c["class"] if c["class"] in ("Edit", "SysTreeView32") else c["text"]: c
            for c in vossik.dump(PICKER)["controls"]}


def folder_lines(vossik):
    return next(c for c in vossik.dump()["controls"] if c["class"].lower() == "listbox")["items"]


def test_folder_picker_tree_name_and_resizing(vossik):
    vossik.start("/CONFIG")
    vossik.wait_window(MAIN_FORM)
    vossik.select_tab(MAIN_FORM, " Dossiers fréquents ")
    assert not vossik.click(MAIN_FORM, "Aj&outer")["returned"]  # a modal dialog is open
    vossik.wait_window(PICKER)

    # Sizeable, at its designed size; Tab goes OK, Annuler, the name, the tree.
    picker = vossik.dump(PICKER)
    assert picker["style"] & WS_THICKFRAME
    assert picker["client_rect"] == {"left": 0, "top": 0, "right": 226, "bottom": 303}
    assert [c["text"] or c["class"] for c in picker["controls"] if c["style"] & WS_TABSTOP] == [
        "OK", "Annuler", "Edit", "SysTreeView32"]

    # One root, the computer, open on its drives (the prefix's, named bare) among its other
    # folders; then C:'s "windows" chosen with the right button.
    [computer] = vossik.tree(PICKER)["roots"]
    folders = vossik.tree(PICKER, computer)["children"]
    assert [f for f in folders if re.search(r"\([A-Z]:\)$", f)] == [
        " (C:)", " (D:)", " (E:)", " (Z:)"], folders
    drive_c = " (C:)"
    def right_clicked_windows():
        # A click the busy desktop lost, or one made before C: had its folders, is given again:
        # the right button only selects, so a second click changes nothing.
        tree = vossik.tree(PICKER)
        if tree["selection"] == [computer, drive_c, "windows"]:
            return tree
        vossik.tree(PICKER, computer, drive_c, "windows", right_click=True)
        return None

    chosen = vossik.wait_until(right_clicked_windows, "C:'s windows selected by the right click")
    assert "system32" in chosen["children"]
    assert vossik.type_text(PICKER, NAME_LABEL, "Système " + "x" * 70) == "Système " + "x" * 56
    vossik.screenshot("picker")

    # Larger by 100 x 80: the tree grows, the name stretches, the buttons keep to the corner.
    before = picker_controls(vossik)
    rect = vossik.window(PICKER)["rect"]
    vossik.resize(PICKER, rect["right"] - rect["left"] + 100, rect["bottom"] - rect["top"] + 80)
    after = picker_controls(vossik)
    vossik.screenshot("picker-resized")

    def grew(name):
        b, a = before[name]["rect"], after[name]["rect"]
        return (a["right"] - a["left"] - (b["right"] - b["left"]),
                a["bottom"] - a["top"] - (b["bottom"] - b["top"]),
                a["left"] - b["left"], a["top"] - b["top"])

    assert grew("SysTreeView32") == (100, 80, 0, 0)
    assert grew("Edit") == (100, 0, 0, 80)
    assert grew(NAME_LABEL) == (0, 0, 0, 80)
    assert grew("OK") == grew("Annuler") == (0, 0, 100, 80)

    # Escape closes it and adds nothing; opened again, it kept the folder and the name.
    vossik.xdotool("key", "Escape")
    vossik.wait_until(lambda: not vossik.window(PICKER)["visible"], "the picker to close")
    assert folder_lines(vossik) == []
    vossik.click(MAIN_FORM, "Aj&outer")
    vossik.wait_until(lambda: vossik.window(PICKER)["visible"], "the picker to open again")
    assert vossik.tree(PICKER)["selection"] == [computer, drive_c, "windows"]
    assert picker_controls(vossik)["Edit"]["text"] == "Système " + "x" * 56

    # OK adds the folder with the name, whose icon "Appliquer" shows.
    vossik.type_text(PICKER, NAME_LABEL, "Système")
    vossik.click(PICKER, "OK")
    vossik.wait_until(lambda: not vossik.window(PICKER)["visible"], "the picker to close")
    assert folder_lines(vossik) == ["C:\\windows"]
    vossik.click(MAIN_FORM, "Appliquer")
    vossik.wait_until(lambda: "Système" in [i["tip"] for i in vossik.tray_icons()],
                      "the folder's icon")
