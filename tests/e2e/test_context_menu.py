"""The context menu of the icons: it opens for every group, drawn by the program; its access
keys work; its name item opens the shell's menu of the item; opening it uses up nothing; it
never opens behind a box, which a press on an icon brings forward instead; and on a screen at
150 % its pictures and measures are of that scale.

Icon ids as in test_drives_and_clicks: drives by letter C:0 D:1 E:2 Z:3, folders from 100,
quick-launch entries from 1000, the shutdown icon 10000.
"""

from harness import both_architectures, long_running
from test_drives_and_clicks import (C, EXPLORER, FOLDER_WINDOWS, NOTEPAD, SHUTDOWN,
                                    every_group_ini, popup_menus, start_in_tray, wait_started)

ITEM_MENU_HELPER = "ItemPropCallbackProcessor"
OPENINGS = 200


def open_menu(vossik, icon_id):
    vossik.tray("WM_RBUTTONDOWN", icon_id)
    return vossik.wait_stable(lambda: popup_menus(vossik), f"the menu of icon {icon_id}")


@both_architectures
@long_running
def test_context_menu(vossik):
    form, _ = start_in_tray(vossik, every_group_ini())

    # A right press on each group's icon opens the menu; the screenshots show the strip, the
    # name item on its band with the icon's picture, the tick, and "E&xplorer" greyed for the
    # quick-launch entry.
    for icon_id in (C, FOLDER_WINDOWS, NOTEPAD, SHUTDOWN):
        menus = open_menu(vossik, icon_id)
        assert len(menus) == 1, menus
        vossik.screenshot(f"menu-{icon_id}")
        assert vossik.close_menus() == 1

    # Owner-drawn items keep their access keys: "&Afficher" opens its submenu, drawn with tick
    # pictures and without the strip; "E&xplorer" on a drive starts the file manager.
    open_menu(vossik, C)
    vossik.menu_key("a")
    vossik.wait_until(lambda: len(popup_menus(vossik)) == 2, "the submenu of \"&Afficher\"")
    vossik.screenshot("submenu")
    assert vossik.close_menus() == 2

    open_menu(vossik, C)
    vossik.menu_key("x")
    assert wait_started(vossik, form, 1) == [EXPLORER + "/e,/root,C:\\"]
    vossik.wait_until(lambda: popup_menus(vossik) == [], "the menu closed")

    # The name item, first in the menu, opens the shell's own menu of the folder, the program
    # and the drive, each path parsed whole by the desktop (a drive root too).
    for icon_id in (FOLDER_WINDOWS, NOTEPAD, C):
        open_menu(vossik, icon_id)
        vossik.menu_key("DOWN")
        vossik.menu_key("RETURN")
        vossik.wait_until(lambda: vossik.window(ITEM_MENU_HELPER), "the item menu's helper")
        vossik.wait_stable(lambda: popup_menus(vossik), f"the shell's menu of icon {icon_id}")
        vossik.screenshot(f"item-menu-{icon_id}")
        assert vossik.close_menus() == 1
        vossik.wait_until(lambda: vossik.window(ITEM_MENU_HELPER) is None, "the helper gone")

    # Fonts, brushes, menus and windows made for the menus are all destroyed again.
    vossik.open_menus(C, 1)
    first = vossik.gui_objects()
    assert first["gdi"] > 0, first  # the fonts and brushes kept for all menus
    assert vossik.open_menus(C, OPENINGS - 1) == OPENINGS - 1
    after = vossik.gui_objects()
    assert after == first, f"live after one opening: {first}; after {OPENINGS}: {after}"
    assert vossik.message_boxes() == []


def test_a_press_on_an_icon_while_a_box_waits_brings_the_box_forward_and_opens_nothing(vossik):
    start_in_tray(vossik, every_group_ini())
    # A click on an icon that is gone (drive position 5): the stop box, which the user then
    # leaves for the desktop.
    vossik.tray("WM_LBUTTONDOWN", 5)
    [box] = vossik.wait_until(vossik.message_boxes, "the stop box")
    vossik.xdotool("mousemove", 900, 100, "click", "1")
    vossik.wait_until(lambda: not box_in_front(vossik, box), "the box behind the desktop")
    vossik.tray("WM_RBUTTONDOWN", C, taken=True)
    assert box_in_front(vossik, box)
    assert popup_menus(vossik) == []
    assert vossik.answer_box("Vossik'", "OK")["closed"]


def box_in_front(vossik, box):
    return any(w["hwnd"] == box["hwnd"] and w["foreground"] for w in vossik.windows())


def test_at_150_percent_the_menu_has_pictures_and_measures_of_that_scale(vossik):
    # At 144 dpi small icons are 24 pixels: the pictures come at that size, not as 16 pixels
    # scaled up, and the strip and the items grow alike. At 96 dpi the last item, "Quitter
    # Vossik'", shows 18 columns of strip, then a cross of 12.
    vossik.start(ini=every_group_ini(), dpi=144)
    vossik.wait_stable(vossik.tray_icons, "the tray icons")
    [menu] = open_menu(vossik, SHUTDOWN)
    rect = menu["rect"]
    # The last item: 30 pixels above the menu's border of 3.
    last = {**rect, "top": rect["bottom"] - 33, "bottom": rect["bottom"] - 3}
    strip, cross = vossik.ink_columns(last)[:2]
    assert strip[1] - strip[0] + 1 >= 27, f"the strip's columns: {strip}"
    assert cross[1] - cross[0] + 1 > 16, f"the picture's columns: {cross}"
    vossik.screenshot("menu-144dpi")
