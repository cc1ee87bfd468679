"""Drives coming and going while the program runs: the icons follow after the refresh delay."""

import contextlib
from pathlib import Path

from harness import both_architectures

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
