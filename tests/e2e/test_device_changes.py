"""Drives coming and going while the program runs: the icons follow after the refresh delay."""

import contextlib
from pathlib import Path

from harness import MAIN_FORM, both_architectures, long_running
from test_drives_and_clicks import C, popup_menus

DRIVES_ONLY_INI = """\
[Divers]
Temporisation=1
[Dossiers]
Affichage=0
[Lancement Rapide]
Affichage=0
[Arrêter]
Afficher Icone=0
"""


def tips_by_place(vossik):
    return {icon["rect"]["left"]: icon["tip"]
            for icon in vossik.wait_stable(vossik.tray_icons, "the tray icons")}


@contextlib.contextmanager
def mapped_drive(vossik, letter):
    """A new drive letter in the prefix, as a volume mounted while the program runs."""
    folder = vossik.prefix.path / f"vossik-drive-{letter}"
    folder.mkdir(exist_ok=True)
    link = vossik.prefix.path / "dosdevices" / f"{letter.lower()}:"
    link.symlink_to(Path("..") / folder.name)
    try:
        yield
    finally:
        link.unlink()


@both_architectures
def test_new_drives_get_the_next_ids_and_removed_ones_close_the_gap(vossik):
    vossik.start(ini=DRIVES_ONLY_INI)
    before = tips_by_place(vossik)
    place = sorted(before, reverse=True)  # the first icon added stands rightmost: ids 0, 1, ...
    tips = [before[x] for x in place]
    assert "C:" in tips[0] and "D:" in tips[1], before

    with mapped_drive(vossik, "F"), mapped_drive(vossik, "G"):
        # A disk with two partitions: both in one notice, each its own icon, in letter order.
        vossik.device("arrival", "FG")
        grown = vossik.wait_until(lambda: len(tips_by_place(vossik)) == len(tips) + 2
                                  and tips_by_place(vossik), "the new drives' icons")
        new_places = sorted(set(grown) - set(before), reverse=True)
        assert ["F:" in grown[new_places[0]], "G:" in grown[new_places[1]]] == [True, True], grown
        assert all(grown[x] == before[x] for x in place), "the other icons stayed as they were"

        # D: goes: each later drive moves into the place before it, the last place goes.
        vossik.device("removal", "D", "plain")
        remaining = [tips[0], *tips[2:], grown[new_places[0]], grown[new_places[1]]]
        expected = dict(zip(place + new_places, remaining))
        vossik.wait_until(lambda: tips_by_place(vossik) == expected,
                          f"the icons after D: moved up ({expected})")

        # Both partitions go in one notice.
        vossik.device("removal", "FG", "plain")
        expected = {x: tip for x, tip in expected.items() if "F:" not in tip and "G:" not in tip}
        vossik.wait_until(lambda: tips_by_place(vossik) == expected,
                          f"the icons without F: and G: ({expected})")
    assert vossik.message_boxes() == []


TRAY_CALLBACK, WM_RBUTTONDOWN = 0xFFE, 0x204
# Numbers another program may post: the drive messages of earlier versions, which waited.
OLD_DRIVE_MESSAGES = (0xFFD, 0xFFC)
SHORT_FLOOD = dict(bursts=1, burst=2000, stream_s=5, interval_ms=50, presses=2000, posts=2000)


def drive_letters(vossik):
    tips = vossik.wait_stable(vossik.tray_icons, "the tray icons")
    return sorted(letter for icon in tips for letter in "CDEFZ" if f"{letter}:" in icon["tip"])


def flood(vossik, bursts, burst, stream_s, interval_ms, presses, posts, memory=None):
    """Device notices in bursts and in a stream, right presses and the old drive messages
    posted by another program. Afterwards the program answers with its object counts as they
    were, the drive icons are those of the last notices, and no box shows; `memory()`, the
    program's private memory, is read before and after. Returns a summary."""
    vossik.start(ini=DRIVES_ONLY_INI)
    assert drive_letters(vossik) == ["C", "D", "E", "Z"]
    vossik.open_menus(C, 1)  # the fonts and brushes kept for all menus
    first, before = vossik.gui_objects(), memory and memory()
    notices = 0
    with mapped_drive(vossik, "F"):
        # D: and F: flap; D:'s last notice says it has gone, F:'s that it has come.
        for _ in range(bursts):
            notices += vossik.device("removal", "DF", "plain", burst)["sent"]
        stream = stream_s * 1000 // interval_ms
        notices += vossik.device("removal", "DF", "plain", stream + stream % 2, interval_ms)["sent"]
        notices += vossik.device("removal", "D", "plain")["sent"]

        # The first press opens the menu; those that come while it is open do nothing.
        assert vossik.post(TRAY_CALLBACK, C, WM_RBUTTONDOWN, presses) == presses
        for message in OLD_DRIVE_MESSAGES:
            assert vossik.post(message, 0, 1, posts) == posts
        vossik.wait_until(lambda: popup_menus(vossik), "the icon's menu")

        def no_menu_left():
            menus = popup_menus(vossik)
            assert len(menus) <= 1, f"menus inside menus: {menus}"
            vossik.close_menus()
            return not popup_menus(vossik)

        vossik.wait_stable(no_menu_left, "the menus closed")
        vossik.wait_until(lambda: drive_letters(vossik) == ["C", "E", "F", "Z"],
                          "the drive icons of the last notices")
        last, after = vossik.gui_objects(), memory and memory()
        assert vossik.message_boxes() == []
    assert last == first, f"GDI and USER objects: {first} -> {last}"
    return (f"flood: {notices} notices, {presses} right presses, {posts} of each old drive "
            f"message; GDI {first['gdi']} -> {last['gdi']}, USER {first['user']} -> "
            f"{last['user']}" + (f", memory {before} -> {after}" if memory else ""))


@long_running
def test_floods_of_notices_and_presses(vossik):
    print(flood(vossik, **SHORT_FLOOD), flush=True)


WM_NOTIFY, WM_DPICHANGED = 0x4E, 0x2E0


@both_architectures
def test_what_other_programs_post_or_send_neither_ends_it_nor_crowds_the_tray(vossik):
    """Messages whose pointer leads nowhere, posted; a WM_COPYDATA too big for the system to
    hand over; a burst of faked taskbar restarts and of the program's own re-adding message:
    the program goes on, its settings file as it was, and adds its icons again once."""
    vossik.start(ini=DRIVES_ONLY_INI)
    icons = tips_by_place(vossik)
    settings = vossik.read_ini_bytes()
    form = vossik.window(MAIN_FORM)["hwnd"]
    for lparam in (0, 0x10):
        for wparam in (0x00600060, 0xFFFFFFFF):
            assert vossik.post(WM_DPICHANGED, wparam, lparam) == 1
        assert vossik.post(WM_NOTIFY, 0, lparam) == 1
    vossik.copy_data(4 * 1024 * 1024)

    adds = len(vossik.systray_adds(form))
    assert vossik.burst(200) == 400
    vossik.wait_until(lambda: len(vossik.systray_adds(form)) >= adds + len(icons),
                      "the icons added again")
    assert tips_by_place(vossik) == icons
    assert len(vossik.systray_adds(form)) == adds + len(icons), "more than one re-adding"
    assert vossik.gui_objects(), "the program answers"
    assert vossik.window(MAIN_FORM)["hwnd"] == form
    assert vossik.read_ini_bytes() == settings
    assert vossik.message_boxes() == []
