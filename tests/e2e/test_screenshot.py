"""The screenshot of scripts/run: a page asked for shows, also with settings that start the
program in the notification area, and is found without its accents; a caption that no tab has
lists those there are."""

import screenshot
from test_config_window import TABS
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
