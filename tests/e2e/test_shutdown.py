"""The shutdown icon's action and its confirmation, a one-time scheduled shutdown with its
reminder, and a daily one given up when its settings cannot be saved. No test here confirms a
shutdown: every confirmation is refused. An exit call made all the same would end only the
test's Wine processes, the program among them (tests/e2e/README.md)."""

import datetime

from harness import INI_NAME, MAIN_FORM, long_running
from test_start import SHUTDOWN_ID, SHUTDOWN_ONLY_INI

REMINDER = "Avertissement d'extinction automatique"
CONFIRMATION = "Confirmation d'extinction"
WS_EX_TOPMOST = 0x8
BS_DEFPUSHBUTTON = 0x1

# The schedule's time; the test moves the local clock into the minute before it.
HOUR, MINUTE = 12, 30

SCHEDULE_INI = SHUTDOWN_ONLY_INI + f"""\
[Eteindre auto]
Activer=1
Heure={HOUR}
Minutes={MINUTE // 5}
Périodicité=0
Rappel=1
Confirmation=1
"""


def utc_now():
    return datetime.datetime.now(datetime.timezone.utc)


def clock_in_minute_before(vossik, minutes_before=1):
    """A POSIX TZ that puts the local time in the minute before the schedule, or that many
    minutes before it. Waits for a minute that has enough of itself left for the reminder (or
    the schedule's box) to be seen."""
    now = vossik.wait_until(lambda: (t := utc_now()).second < 40 and t,
                            "a minute with 20 seconds left")
    offset = (HOUR * 60 + MINUTE - minutes_before) - (now.hour * 60 + now.minute)
    offset = (offset + 12 * 60) % (24 * 60) - 12 * 60  # within a day's zones
    # POSIX counts west of Greenwich as positive.
    sign = "-" if offset > 0 else "+"
    return f"VSK{sign}{abs(offset) // 60:02}:{abs(offset) % 60:02}"


def shown(vossik, caption):
    window = vossik.window(caption)
    return window if window and window["visible"] else None


def texts(dump):
    return [control["text"] for control in dump["controls"]]


def control(dump, text):
    return next(c for c in dump["controls"] if c["text"] == text)


def picture_to_caption(vossik, button):
    """Blank columns on screen between a button's picture and its caption; inside the frame
    and the focus dots."""
    rect = button["screen_rect"]
    inside = {"left": rect["left"] + 5, "right": rect["right"] - 5, "top": rect["top"] + 6,
              "bottom": rect["bottom"] - 6}
    picture, caption = vossik.ink_columns(inside)[:2]
    return caption[0] - picture[1] - 1


def refuse_with_key(vossik, key):
    """Enter and Escape must both reach "Non, je ne veux pas": the focus is checked before the
    key goes, so that a fault can never make the exit call."""
    dump = vossik.dump(CONFIRMATION)
    refuse = control(dump, "Non, je ne veux pas")
    assert dump["focus"] == refuse["hwnd"], "the focus is not on the refusing button"
    assert refuse["style"] & BS_DEFPUSHBUTTON
    vossik.key(CONFIRMATION, key)
    vossik.wait_until(lambda: not shown(vossik, CONFIRMATION), "the confirmation closed")


@long_running
def test_schedule_reminds_then_confirms_and_the_icon_confirms_its_action(vossik):
    vossik.start(ini=SCHEDULE_INI, tz=clock_in_minute_before(vossik))

    # The reminder, above everything while the configuration window is hidden.
    reminder = vossik.wait_until(lambda: shown(vossik, REMINDER), "the reminder")
    assert reminder["exstyle"] & WS_EX_TOPMOST
    dump = vossik.dump(REMINDER)
    assert texts(dump) == [
        "", "Attention !", "Vossik' va éteindre cet ordinateur dans 1 minute ...",
        "Continuer le décompte", "Annuler le décompte"]
    vossik.screenshot("reminder")
    # Each picture stands apart from its caption, as far in the one button as in the other (the
    # longer caption once touched its tick).
    gaps = [picture_to_caption(vossik, control(dump, text))
            for text in ("Continuer le décompte", "Annuler le décompte")]
    assert min(gaps) >= 3 and max(gaps) - min(gaps) <= 1, gaps

    # At the minute itself the reminder gives way to the confirmation.
    vossik.wait_until(lambda: shown(vossik, CONFIRMATION), "the scheduled confirmation", 70)
    assert not shown(vossik, REMINDER)
    assert texts(vossik.dump(CONFIRMATION)) == [
        "", "Attention !", "Vossik' va éteindre cet ordinateur MAINTENANT", "Oui, je confirme",
        "Non, je ne veux pas"]
    vossik.screenshot("scheduled-confirmation")
    refuse_with_key(vossik, "Escape")
    switched_off = b"[Eteindre auto]\r\nActiver=0\r\n"
    vossik.wait_until(lambda: switched_off in (vossik.read_ini_bytes() or b""),
                      "the one-time schedule switched off in the settings")

    # The icon's action chosen on the page: the tip follows at once.
    vossik.tray("WM_RBUTTONDBLCLK", SHUTDOWN_ID)
    vossik.wait_until(lambda: shown(vossik, MAIN_FORM), "the configuration window")
    vossik.select_tab(MAIN_FORM, "Eteindre")
    assert not control(vossik.dump(), "Eteindre automatiquement à :")["checked"]
    vossik.click(MAIN_FORM, "Redémarrer l'ordinateur")
    tips = lambda: [icon["tip"] for icon in vossik.tray_icons()]
    vossik.wait_until(lambda: tips() == ["Redémarrer l'ordinateur"], "the new tip")
    vossik.click(MAIN_FORM, "Réduire")
    vossik.wait_until(lambda: not shown(vossik, MAIN_FORM), "the window hidden")

    # A click on the icon asks first; refusing leaves everything running.
    vossik.tray_click(SHUTDOWN_ID)
    vossik.wait_until(lambda: shown(vossik, CONFIRMATION), "the confirmation")
    assert "Vossik' va Redémarrer l'ordinateur MAINTENANT" in texts(vossik.dump(CONFIRMATION))
    vossik.screenshot("icon-confirmation")
    refuse_with_key(vossik, "Enter")
    assert tips() == ["Redémarrer l'ordinateur"]
    assert vossik.window(MAIN_FORM) is not None


@long_running
def test_a_failed_save_gives_up_the_scheduled_shutdown_however_late_its_box_closes(vossik):
    """A daily schedule without reminder or confirmation, its settings file read-only: at the
    minute one box names the time and the file; closed after the minute, it ends nothing."""
    vossik.write_ini(SCHEDULE_INI.replace("Périodicité=0", "Périodicité=1")
                     .replace("Rappel=1", "Rappel=0").replace("Confirmation=1", "Confirmation=0"))
    ini_file = vossik.exe_dir / INI_NAME
    ini_file.chmod(0o444)
    try:
        tz = clock_in_minute_before(vossik, 0)
        minute = utc_now().replace(second=0, microsecond=0)
        vossik.start(tz=tz)
        boxes = vossik.wait_until(vossik.message_boxes, "the box of the failed save")
        assert [(b["caption"], b["texts"]) for b in boxes] == [
            ("Vossik'", [f"L'extinction automatique de {HOUR} h {MINUTE} n'a pas eu lieu : "
                         "Vossik' n'a pas pu enregistrer ses paramètres avant d'éteindre "
                         "l'ordinateur.\r\n\n"
                         f"Impossible d'écrire dans {vossik.windows_ini_path}\r\n"
                         "Le fichier est en lecture seule."])], boxes
        vossik.screenshot("scheduled-save-failed")
        vossik.wait_until(lambda: utc_now() - minute >= datetime.timedelta(minutes=1),
                          "the scheduled minute over", 70)
        assert vossik.answer_box("Vossik'", "OK")["closed"]
        # An exit call would have ended the program, or shown its failure box: either way the
        # window would not open.
        vossik.tray("WM_RBUTTONDBLCLK", SHUTDOWN_ID)
        vossik.wait_until(lambda: shown(vossik, MAIN_FORM), "the configuration window")
        assert vossik.message_boxes() == []
    finally:
        ini_file.chmod(0o644)
