"""Drive icons and the order of all icons; what a click on an icon opens; right double clicks.

The test prefix has C: and Z: (fixed disks), D: a CD-ROM drive with a disc and E: one without
(harness.Prefix): every drive's shell name is the bare " (X:)", so the empty CD drive E: is
hidden unless its icon is kept. Icon ids: drives by letter C:0 D:1 E:2 Z:3, folders from 100,
quick-launch entries from 1000, the shutdown icon 10000.
"""

from harness import MAIN_FORM, XP_EXE_NAME, both_architectures

C, D, E, Z = 0, 1, 2, 3
FOLDER_WINDOWS, FOLDER_SYSTEM32 = 100, 101
NOTEPAD = 1000
SHUTDOWN = 10000
# The file manager of the Windows folder, by its full path.
EXPLORER = '"C:\\windows\\EXPLORER.EXE" '

TIPS = {C: " (C:)", D: " (D:)", E: " (E:)", Z: " (Z:)", FOLDER_WINDOWS: "Windows",
        FOLDER_SYSTEM32: "Système", NOTEPAD: "Bloc-notes", SHUTDOWN: "Eteindre"}

PAGE_DRIVES = " Lecteurs "
PAGE_FOLDERS = " Dossiers fréquents "
PAGE_LAUNCHES = " Lancement rapide "
PAGE_SHUTDOWN = "Eteindre"


def every_group_ini(simple_click=1, keep_cd=0, drives_explorer=1, drives_root=1,
                    folders_explorer=0, folders_root=0):
    return f"""\
[Divers]
Simple Click={simple_click}
Garder CD={keep_cd}
[Lecteurs]
Affichage=1
Exploreur={drives_explorer}
Racine={drives_root}
[Dossiers]
Affichage=1
Exploreur={folders_explorer}
Racine={folders_root}
Nombre=2
Rep0=C:\\windows
Rac0=Windows
Rep1=C:\\windows\\system32
Rac1=Système
[Lancement Rapide]
Affichage=1
Nombre=1
Rep0=C:\\windows\\notepad.exe
Rac0=Bloc-notes
Opt0=¶C:\\windows\\win.ini
[Arrêter]
Afficher Icone=1
Type d'arrêt=3
"""


def start_in_tray(vossik, ini):
    """Starts with settings that put icons up; returns (main form, icons left to right)."""
    vossik.start(ini=ini)
    icons = vossik.wait_stable(vossik.tray_icons, "the program's tray icons")
    form = vossik.window(MAIN_FORM)
    assert form and not form["visible"], f"the configuration window shows: {form}"
    return form, [icon["tip"] for icon in icons]


def wait_started(vossik, form, count):
    """Command lines of what the program started, oldest first, once there are `count`, each
    read: a process still being made has no command line to read yet."""
    def started():
        lines = vossik.started_by(form["pid"])
        return lines if len(lines) >= count and all(lines) else None

    return vossik.wait_until(started, f"{count} programs started")


def shown_page(dump):
    """The caption of the selected tab, which shows its page's caption without blanks around."""
    tabs = next(c for c in dump["controls"] if "tabs" in c)
    return tabs["tabs"][tabs["selection"]] if tabs["selection"] >= 0 else None


def list_on_page(dump, page_caption):
    """The list box of a configuration page: (selected line, lines)."""
    controls = {c["hwnd"]: c for c in dump["controls"]}
    page = next(c for c in dump["controls"] if c["text"] == page_caption)

    def on_page(control):
        while control:
            if control["parent"] == page["hwnd"]:
                return True
            control = controls.get(control["parent"])
        return False

    boxes = [c for c in dump["controls"] if c["class"].lower() == "listbox" and on_page(c)]
    assert len(boxes) == 1, f"list boxes on {page_caption!r}: {boxes}"
    return boxes[0]["selection"], boxes[0]["items"]


def configuration_at(vossik, page, what):
    """Waits for the configuration window shown at that page; returns its dump."""
    def shown_there():
        dump = vossik.dump()
        return dump if dump["visible"] and shown_page(dump) == page.strip() else None

    return vossik.wait_until(shown_there, what)


def popup_menus(vossik):
    return [w for w in vossik.windows() if w["class"] == "#32768" and w["visible"]]


@both_architectures
def test_icons_in_group_order_and_single_clicks_open_items(vossik):
    form, tips = start_in_tray(vossik, every_group_ini())

    # Drives by letter, folders, quick launch, shutdown; each add lands left of the last.
    # E:, an empty CD drive with a bare name, has no icon but keeps its id.
    adds = [C, D, Z, FOLDER_WINDOWS, FOLDER_SYSTEM32, NOTEPAD, SHUTDOWN]
    asked = vossik.systray_adds(form["hwnd"])
    assert asked == adds, f"adds asked: {asked}"
    assert tips == [TIPS[i] for i in reversed(adds)], f"tips: {tips}"
    # Wine says Windows 7: the shell gets the full record, where each icon has its identity.
    full = 976 if vossik.prefix.arch == "win64" else 956
    assert vossik.notify_record_sizes() == {full}

    # A click queued for an icon whose entry is gone: reported, nothing opened, and the
    # program goes on with the next message.
    vossik.tray("WM_LBUTTONDOWN", 150)
    boxes = vossik.wait_until(vossik.message_boxes, "the stop box")
    assert [(b["caption"], b["texts"]) for b in boxes] == [
        ("Vossik'", ["Indice de liste hors limites (50)"])]
    assert vossik.answer_box("Vossik'", "OK")["closed"]
    assert vossik.started_by(form["pid"]) == []

    # In single-click mode a double click opens once, on its first press.
    vossik.tray_click(C, double=True)
    vossik.tray_click(FOLDER_SYSTEM32)
    vossik.tray_click(NOTEPAD)
    started = wait_started(vossik, form, 3)
    assert started == [EXPLORER + "/e,/root,C:\\",
                       EXPLORER + "C:\\windows\\system32",
                       '"C:\\windows\\notepad.exe" C:\\windows\\win.ini']
    assert vossik.message_boxes() == []


def test_on_windows_xp_the_adds_come_in_reverse_and_kept_cd_icons_show(vossik):
    vossik.use_exe_name(XP_EXE_NAME)
    form, tips = start_in_tray(vossik, every_group_ini(keep_cd=1))

    adds = [SHUTDOWN, NOTEPAD, FOLDER_SYSTEM32, FOLDER_WINDOWS, Z, E, D, C]
    asked = vossik.systray_adds(form["hwnd"])
    assert asked == adds, f"adds asked: {asked}"
    assert vossik.notify_record_sizes() == {152}, "the first layout, before Windows 7"
    # So on screen the groups read left to right in their own order.
    assert tips == [TIPS[i] for i in reversed(adds)], f"tips: {tips}"


@both_architectures
def test_double_click_mode_and_right_double_clicks(vossik):
    form, tips = start_in_tray(vossik, every_group_ini(
        simple_click=0, drives_explorer=0, drives_root=1, folders_explorer=1, folders_root=0))
    assert " (E:)" not in tips

    vossik.tray_click(Z)  # a single click opens nothing in double-click mode
    vossik.tray_click(FOLDER_WINDOWS, double=True)
    vossik.tray_click(Z, double=True)
    started = wait_started(vossik, form, 2)
    assert started == [EXPLORER + "/e,C:\\windows", EXPLORER + "/root,Z:\\"], started

    # Window hidden: the first press pops the menu up, the double click opens the window at
    # the icon's entry and closes that menu.
    vossik.tray_click(FOLDER_SYSTEM32, button="R", double=True)
    dump = configuration_at(vossik, PAGE_FOLDERS, "the folders page")
    assert list_on_page(dump, PAGE_FOLDERS) == (1, ["C:\\windows", "C:\\windows\\system32"])
    assert "Système" in [c["text"] for c in dump["controls"] if c["class"].lower() == "edit"]
    vossik.wait_until(lambda: popup_menus(vossik) == [], "the menu closed")

    # Window shown: no menu, the page and entry follow the icon.
    vossik.tray_click(C, button="R", double=True)
    configuration_at(vossik, PAGE_DRIVES, "the drives page")
    vossik.tray_click(NOTEPAD, button="R", double=True)
    dump = configuration_at(vossik, PAGE_LAUNCHES, "the quick-launch page")
    assert list_on_page(dump, PAGE_LAUNCHES) == (
        0, ["Bloc-notes (C:\\windows\\notepad.exe C:\\windows\\win.ini)"])
    vossik.tray_click(SHUTDOWN, button="R", double=True)
    configuration_at(vossik, PAGE_SHUTDOWN, "the shutdown page")
    assert popup_menus(vossik) == []

    # Icons still open their items while the window shows.
    vossik.tray_click(FOLDER_SYSTEM32, double=True)
    started = wait_started(vossik, form, 3)
    assert started[2:] == [EXPLORER + "/e,C:\\windows\\system32"]

    vossik.click(MAIN_FORM, "Réduire")
    vossik.wait_until(lambda: not vossik.window(MAIN_FORM)["visible"], "the window hidden")
    vossik.tray_click(Z, button="R", double=True)
    configuration_at(vossik, PAGE_DRIVES, "the drives page, from hidden")
    vossik.wait_until(lambda: popup_menus(vossik) == [], "the menu closed, from hidden")
    assert vossik.message_boxes() == []


def test_an_explorer_planted_beside_the_program_never_runs(vossik):
    vossik.plant_programs("Explorer.exe")
    form, _ = start_in_tray(vossik, every_group_ini())
    vossik.tray_click(C)
    # Each start names another folder: Wine's file manager leaves at once when asked again for
    # a view it shows already, and a process that is gone cannot be seen.
    for icon, key in ((FOLDER_WINDOWS, "o"), (FOLDER_SYSTEM32, "x")):  # "&Ouvrir", "E&xplorer"
        vossik.tray("WM_RBUTTONDOWN", icon)
        vossik.menu_key(key)
        vossik.wait_until(lambda: popup_menus(vossik) == [], "the menu closed")
    started = wait_started(vossik, form, 3)
    assert started == [EXPLORER + "/e,/root,C:\\", EXPLORER + "C:\\windows",
                       EXPLORER + "/e,C:\\windows\\system32"]
    assert vossik.loaded_plants() == []

    # The control: started by name from the same folder, the planted one runs.
    vossik.load_beside("EXPLORER.EXE", run=True)
    assert vossik.loaded_plants() == ["Explorer.exe"]
