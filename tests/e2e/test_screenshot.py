"""The screenshot of scripts/run: a page asked for shows, also with settings that start the
program in the notification area (then without its icons), and is found without its accents; a
caption that no tab has lists those there are; settings that show no icon give the picture of
their box."""

import screenshot
from test_config_window import NO_ICON_WARNING, TABS
from test_drives_and_clicks import every_group_ini


def test_page_asked_for_opens_the_window_on_it(vossik):
    screenshot.start(vossik, "Nulle part", every_group_ini())
    try:
        shown = screenshot.show(vossik, "Nulle part")
    except screenshot.UnknownPage as error:
        listed = str(error)
    else:
        raise AssertionError(f"a caption that no tab has showed {shown}")
    captions = ", ".join(f'"{caption.strip()}"' for caption in TABS)
    assert listed == f'no page is captioned "Nulle part"; the pages are: {captions}', listed

    shown = screenshot.show(vossik, " dossiers FREQUENTS")
    assert shown == 'the configuration window on its page "Dossiers fréquents"', shown
    # With the window open at start, the icons wait for "Appliquer" or "Réduire": none shows.
    assert vossik.tray_icons() == []


def test_settings_without_icons_give_the_picture_of_their_box(vossik):
    screenshot.start(vossik, None, "[Lecteurs]\nAffichage=0\n[Arrêter]\nAfficher Icone=0\n")
    shown = screenshot.show(vossik, None)
    assert shown == 'a box, "Avertissement": ' + " ".join(NO_ICON_WARNING.split()), shown
