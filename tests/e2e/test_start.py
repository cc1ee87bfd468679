"""Starting the program: without settings, with settings, when the shell refuses an icon, and
with libraries planted beside it; and the system the executables say they need."""

import struct

from harness import APP_WINDOW, MAIN_FORM, REPO, both_architectures
from test_list_editing import LAUNCH_DIALOG, OPEN_DIALOG

SHUTDOWN_ID = 10000
SHUTDOWN_TIP = "Eteindre"
# Every id the program gives icons: drives, folders, quick launch, shutdown.
PROGRAM_ICON_IDS = [*range(0, 100), *range(100, 200), *range(1000, 1100), SHUTDOWN_ID]

DRIVES_AND_SHUTDOWN_INI = """\
[Lecteurs]
Affichage=1
[Dossiers]
Affichage=0
[Lancement Rapide]
Affichage=0
[Arrêter]
Afficher Icone=1
Type d'arrêt=3
"""

SHUTDOWN_ONLY_INI = DRIVES_AND_SHUTDOWN_INI.replace("[Lecteurs]\nAffichage=1",
                                                    "[Lecteurs]\nAffichage=0")

WS_EX_TOOLWINDOW = 0x80

ICON_ADD_FAILED = "La création de l'icône dans la barre de notification a échoué\r\n"


def visible_window(vossik, caption):
    window = vossik.window(caption)
    return window if window and window["visible"] else None


def tips_and_places(icons):
    return [(icon["tip"], icon["rect"]) for icon in icons]


def put_icons_up(vossik):
    """The program shows its icons at start when it reads its settings file; when it opens the
    configuration window instead, "Appliquer" puts them up. Returns them once settled."""
    vossik.wait_until(lambda: visible_window(vossik, MAIN_FORM) or vossik.tray_icons(),
                      "the configuration window or tray icons")
    if visible_window(vossik, MAIN_FORM):
        vossik.click(MAIN_FORM, "Appliquer")
    return vossik.wait_stable(vossik.tray_icons, "the program's tray icons")


@both_architectures
def test_start_without_settings_opens_configuration(vossik):
    vossik.start()
    form = vossik.wait_until(lambda: visible_window(vossik, MAIN_FORM),
                             "the configuration window shown")
    app = vossik.window(APP_WINDOW)
    assert app is not None, "no application window"
    # What makes Windows give a window a taskbar button.
    assert app["visible"], "the application window is hidden: no taskbar button"
    assert app["owner"] == 0 and not app["exstyle"] & WS_EX_TOOLWINDOW, app
    assert form["owner"] == app["hwnd"], f"form owner {form['owner']}, app {app['hwnd']}"

    def app_button_shown():
        return any(button["window"] == app["hwnd"] for button in vossik.taskbar())

    vossik.wait_until(app_button_shown, "the application window's taskbar button")
    buttons = vossik.taskbar()
    assert [b["caption"] for b in buttons] == [APP_WINDOW], f"taskbar buttons: {buttons}"

    assert vossik.tray_icons() == [], f"tray icons: {vossik.tray_icons()}"
    assert vossik.message_boxes() == [], f"message boxes: {vossik.message_boxes()}"


@both_architectures
def test_icons_come_back_in_order_when_the_taskbar_is_recreated(vossik):
    vossik.start(ini=DRIVES_AND_SHUTDOWN_INI)
    before = put_icons_up(vossik)
    assert SHUTDOWN_TIP in [icon["tip"] for icon in before], f"tray icons: {before}"

    # A restarted shell has lost every icon by the time it broadcasts "TaskBarCreated".
    removed = vossik.remove_tray_icons(MAIN_FORM, PROGRAM_ICON_IDS)
    assert len(removed) == len(before), f"icons not all owned by the main form: removed {removed}"
    vossik.wait_until(lambda: not vossik.tray_icons(), "an empty tray")

    vossik.taskbar_created()
    after = vossik.wait_stable(vossik.tray_icons, "the icons re-created")
    assert tips_and_places(after) == tips_and_places(before), f"before {before}, after {after}"
    assert vossik.message_boxes() == [], f"message boxes: {vossik.message_boxes()}"


def test_refused_icon_reports_the_error_with_its_tip(vossik):
    vossik.start("/CONFIG", ini=SHUTDOWN_ONLY_INI)
    vossik.wait_until(lambda: visible_window(vossik, MAIN_FORM), "the configuration window")

    # The shell refuses a second icon with the same window and id: plant one before the
    # program adds its shutdown icon.
    vossik.remove_tray_icons(MAIN_FORM, [SHUTDOWN_ID])
    assert vossik.add_tray_icon(MAIN_FORM, SHUTDOWN_ID, "planted"), "could not plant the icon"
    vossik.click(MAIN_FORM, "Appliquer")

    boxes = vossik.wait_until(vossik.message_boxes, "an error box")
    vossik.screenshot("error-box")
    assert len(boxes) == 1, f"message boxes: {boxes}"
    assert boxes[0]["caption"] == "Erreur", boxes[0]
    assert boxes[0]["texts"] == [ICON_ADD_FAILED + SHUTDOWN_TIP], boxes[0]["texts"]
    assert [button["text"] for button in boxes[0]["buttons"]] == ["OK"], boxes[0]["buttons"]

    assert vossik.answer_box("Erreur", "OK")["closed"], "the error box did not close"


# The names Windows looks for beside a program first: two libraries the system's own libraries
# need, and the file manager, whose icon the menu takes.
PLANTED = ["Explorer.exe", "uxtheme.dll", "version.dll"]


@both_architectures
def test_libraries_planted_beside_the_program_are_not_loaded(vossik):
    vossik.plant_libraries(*PLANTED)
    vossik.start("/CONFIG")
    vossik.wait_until(lambda: visible_window(vossik, MAIN_FORM) or vossik.loaded_plants(),
                      "the configuration window")
    assert vossik.loaded_plants() == [], "at start, with the menu pictures made"

    # The file dialog's library, and those it needs, load when a file is first chosen.
    vossik.select_tab(MAIN_FORM, " Lancement rapide ")
    vossik.click(MAIN_FORM, "Aj&outer")
    vossik.wait_until(lambda: visible_window(vossik, LAUNCH_DIALOG), "the launch dialog")
    vossik.click(LAUNCH_DIALOG, "···", mouse=True)
    vossik.wait_until(lambda: visible_window(vossik, OPEN_DIALOG), "the file dialog")
    assert vossik.loaded_plants() == [], "with the file dialog open"

    # The control: from the same folder, loading by name takes every planted file.
    vossik.load_beside(*PLANTED)
    assert vossik.loaded_plants() == PLANTED


def header_versions(exe):
    """The operating system and subsystem versions of an executable's PE header."""
    image = exe.read_bytes()
    header = int.from_bytes(image[0x3C:0x40], "little")
    assert image[header:header + 4] == b"PE\0\0", exe
    # In the optional header, after the signature and the file header (24 bytes): the OS,
    # image and subsystem versions, at the same place in 32-bit and 64-bit images.
    os_major, os_minor, _, _, major, minor = struct.unpack_from("<6H", image, header + 24 + 40)
    return {"os": (os_major, os_minor), "subsystem": (major, minor)}


def test_both_executables_say_they_need_windows_7(vossik):
    """The systems the README names: Windows 7 (6.1) or later, in the header the loader reads."""
    for exe in (vossik.exe, REPO / "build/x86_64/Vossik.exe"):
        assert exe.exists(), f"{exe} is missing: build it (scripts/build x86_64)"
        assert header_versions(exe) == {"os": (6, 1), "subsystem": (6, 1)}, exe


@both_architectures
def test_a_second_start_opens_the_first_copys_window_and_a_copy_elsewhere_runs(vossik):
    vossik.start(ini=DRIVES_AND_SHUTDOWN_INI)
    icons = vossik.wait_stable(vossik.tray_icons, "the program's tray icons")
    assert not visible_window(vossik, MAIN_FORM)

    # From the same folder, as the Start menu would: the copy that runs shows its window, and
    # the second one ends without adding any icon.
    second = vossik.start_again()
    assert second.wait(timeout=60) == 0
    vossik.wait_until(lambda: visible_window(vossik, MAIN_FORM), "the first copy's window")
    assert [w["caption"] for w in vossik.windows()].count(MAIN_FORM) == 1
    assert vossik.tray_icons() == icons

    # A copy in another folder, with its own settings file, is another program: it runs.
    vossik.start_again(copy_to="vossik-elsewhere", ini=SHUTDOWN_ONLY_INI)
    vossik.wait_until(lambda: len(vossik.tray_icons()) == len(icons) + 1, "its shutdown icon")
    assert [w["caption"] for w in vossik.windows()].count(MAIN_FORM) == 2


@both_architectures
def test_one_copy_per_settings_file_by_any_way_to_it_whoever_took_its_name_first(vossik):
    """Another program made the block by which the program claims its settings file first, with
    no window in it: the program starts all the same, without a word. Started again from its
    folder, through a symbolic link to it or from a drive letter that leads there, it only shows
    the copy that runs."""
    ways = [vossik.windows_exe_dir, vossik.folder_alias(), vossik.folder_alias("F")]
    vossik.write_ini(SHUTDOWN_ONLY_INI)
    settings = vossik.read_ini_bytes()
    vossik.start_desktop()
    with vossik.holding_claim():
        vossik.launch()
        icons = vossik.wait_stable(vossik.tray_icons, "the program's tray icons")
        assert [icon["tip"] for icon in icons] == [SHUTDOWN_TIP], icons
        assert vossik.message_boxes() == []
        for way in ways:
            assert vossik.start_again(folder=way).wait(timeout=60) == 0, way
            vossik.wait_until(lambda: visible_window(vossik, MAIN_FORM), "the first copy's window")
            assert [w["caption"] for w in vossik.windows()].count(MAIN_FORM) == 1, way
            assert vossik.tray_icons() == icons, way
    assert vossik.read_ini_bytes() == settings
