"""The settings file as the real program reads and writes it: lists, missing targets, lines that
are not ours, the first save, a file saved by Notepad in UTF-8, and a save the system
refuses."""

import difflib
from pathlib import Path

from harness import INI_NAME, MAIN_FORM, both_architectures


def cp1252_crlf(text):
    return text.replace("\n", "\r\n").encode("cp1252")


def differences(expected, actual):
    """The lines that differ, with their line ends shown."""
    lines = difflib.unified_diff(expected.decode("cp1252").splitlines(keepends=True),
                                 actual.decode("cp1252").splitlines(keepends=True),
                                 "expected", "written", lineterm="")
    return "\n" + "\n".join(repr(line)[1:-1] for line in lines)


def visible(vossik, caption=MAIN_FORM):
    window = vossik.window(caption)
    return bool(window and window["visible"])


def list_lines(dump):
    return [c["items"] for c in dump["controls"] if c["class"].lower() == "listbox"]


# Written by hand: a comment, a section of another program, a key of ours the program does not
# know, an entry past "Nombre", an "Opt" key in the folder list (never written there), a quick
# launch section in another letter case, values to be normalised (2 is true, 0x5 is 5), and a
# scheduled shutdown at a minute that is not on the page's list (12 stands for 60).
HAND_WRITTEN = """\
; Réglages de Vossik', écrits à la main
[Divers]
Simple Click=2
Temporisation=0x5
Inconnu=garder
[Autre programme]
Clé=valeur
[Lecteurs]
Affichage=0
[Dossiers]
Affichage=1
Nombre=2
Rep0=C:\\windows
Rac0=Système
Opt0=ignoré
Rep1=C:\\absent
Rac1=Ancien
Rep5=C:\\oublié
[Lancement rapide]
Affichage=1
Nombre=2
Rep0=C:\\windows\\notepad.exe
Rac0=Bloc-notes
Opt0=¶C:\\windows\\win.ini
Rep1=C:\\windows\\regedit.exe
Opt1=¶
[Eteindre auto]
Activer=1
Heure=22
Minutes=12
Périodicité=1
"""

# Values replaced where they stand, new keys after the last key of their section in the order
# the program writes them, new sections at the end. The missing folder's name stays as stored.
HAND_WRITTEN_SAVED = """\
; Réglages de Vossik', écrits à la main
[Divers]
Simple Click=1
Temporisation=5
Inconnu=garder
MAJ Icônes=1
Garder CD=1
Garder Net=0
[Autre programme]
Clé=valeur
[Lecteurs]
Affichage=0
Amovibles=1
Fixes=1
CD-Roms=1
Virtuels=1
Réseaux=1
Exploreur=1
Racine=0
[Dossiers]
Affichage=1
Nombre=2
Rep0=C:\\windows
Rac0=Système
Opt0=ignoré
Rep1=C:\\absent
Rac1=Ancien
Rep5=C:\\oublié
Exploreur=1
Racine=0
[Lancement rapide]
Affichage=1
Nombre=2
Rep0=C:\\windows\\notepad.exe
Rac0=Bloc-notes
Opt0=¶C:\\windows\\win.ini
Rep1=C:\\windows\\regedit.exe
Opt1=¶
Rac1=
[Eteindre auto]
Activer=0
Heure=22
Minutes=0
Périodicité=1
Rappel=1
Confirmation=1
[Arrêter]
Afficher Icone=1
Type d'arrêt=2
Forcer=0
Confirmation=1
"""

DEFAULTS = """\
[Divers]
Simple Click=1
MAJ Icônes=1
Garder CD=1
Garder Net=0
[Lecteurs]
Affichage=1
Amovibles=1
Fixes=1
CD-Roms=1
Virtuels=1
Réseaux=1
Exploreur=1
Racine=0
[Dossiers]
Affichage=1
Exploreur=1
Racine=0
Nombre=0
[Lancement Rapide]
Affichage=1
Nombre=0
[Arrêter]
Afficher Icone=1
Type d'arrêt=2
Forcer=0
Confirmation=1
[Eteindre auto]
Activer=0
Heure=0
Minutes=0
Périodicité=0
Rappel=1
Confirmation=1
"""


@both_architectures
def test_hand_written_settings_load_and_save_without_losing_lines(vossik):
    vossik.write_ini(HAND_WRITTEN)
    assert b"[Autre programme]\r\nCl\xe9=valeur\r\n" in vossik.read_ini_bytes()  # as meant
    vossik.start()

    # The missing folder: the shell's lookup fails, then the warning names it. Then the schedule
    # is not armed, and says so.
    for caption, text in [
            ("Erreur", "Erreur : ne peut retrouver le nom du fichier et/ou son icone."),
            ("Avertissement", 'Le dossier "C:\\absent" (Ancien) n\'existe peut-être plus'),
            ("Avertissement", "L'heure d'extinction automatique enregistrée n'est pas valide : "
                              "l'extinction automatique n'a pas été programmée.")]:
        boxes = vossik.wait_until(vossik.message_boxes, f"the box {caption!r}")
        assert [(b["caption"], b["texts"]) for b in boxes] == [(caption, [text])]
        assert vossik.answer_box(caption, "OK")["closed"]

    # No icon for the missing folder; an entry without a name shows the shell's name.
    icons = vossik.wait_stable(vossik.tray_icons, "the program's tray icons")
    assert [i["tip"] for i in icons] == [
        "Redémarrer l'ordinateur", "regedit.exe", "Bloc-notes", "Système"]

    vossik.tray_click(100, button="R", double=True)
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    vossik.close_menus()
    dump = vossik.dump()
    schedule = next(c for c in dump["controls"] if c["text"] == "Eteindre automatiquement à :")
    assert not schedule["checked"]
    assert list_lines(dump) == [
        ["C:\\windows", "C:\\absent"],
        ["Bloc-notes (C:\\windows\\notepad.exe C:\\windows\\win.ini)",
         "regedit.exe (C:\\windows\\regedit.exe )"]]

    vossik.click(MAIN_FORM, "&Quitter")
    vossik.wait_gone(MAIN_FORM)
    written = vossik.read_ini_bytes()
    expected = cp1252_crlf(HAND_WRITTEN_SAVED)
    assert written == expected, differences(expected, written)


def test_first_reduce_writes_every_default(vossik):
    vossik.start()
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    assert vossik.read_ini_bytes() is None

    vossik.click(MAIN_FORM, "Réduire")  # drive and shutdown icons are on by default
    vossik.wait_until(lambda: not visible(vossik), "the configuration window hidden")
    assert vossik.tray_icons(), "no icon shown"
    written = vossik.read_ini_bytes()
    expected = cp1252_crlf(DEFAULTS)
    assert written == expected, differences(expected, written)


def test_a_folder_name_in_any_script_keeps_its_settings_file(vossik):
    vossik.use_folder("Документы")
    vossik.start()
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    vossik.click(MAIN_FORM, "Appliquer")
    vossik.wait_until(vossik.read_ini_bytes, "the settings file in C:\\Документы")
    assert vossik.read_ini_bytes() == cp1252_crlf(DEFAULTS)
    assert vossik.message_boxes() == []


EDITED = "; édité ailleurs\r\n[Arrêter]\r\nType d'arrêt=3\r\n"


def test_files_other_editors_save_keep_their_shutdown_action_and_their_form(vossik):
    """Notepad saves UTF-8 without a mark, some editors UTF-16 without one, an old Mac's ends
    lines with CR alone: "[Arrêter]" is still found, and "Appliquer" keeps the file in its form
    with its one section."""
    forms = [("utf-8", "\r\n"), ("utf-16-le", "\r\n"), ("cp1252", "\r")]
    for number, (encoding, line_end) in enumerate(forms):
        ini = EDITED.replace("\r\n", line_end).encode(encoding)
        vossik.write_ini(ini)
        (vossik.start if number == 0 else vossik.launch)("/CONFIG")
        vossik.wait_until(lambda: visible(vossik), "the configuration window")
        vossik.click(MAIN_FORM, "Appliquer")
        written = vossik.wait_until(
            lambda: vossik.read_ini_bytes() != ini and vossik.read_ini_bytes(),
            "the settings file saved")
        tips = [i["tip"] for i in vossik.wait_stable(vossik.tray_icons, "the tray icons")]
        assert "Eteindre" in tips, (encoding, line_end, tips)
        text = written.decode(encoding)  # fails if the save wrote another encoding
        assert text.startswith(ini.decode(encoding)), (encoding, text)
        assert text.count("[Arrêter]") == 1, text
        assert f"[Eteindre auto]{line_end}Activer=0{line_end}" in text, text
        assert vossik.message_boxes() == []
        vossik.click(MAIN_FORM, "&Quitter")
        vossik.wait_gone(MAIN_FORM)


def folder_entries(ini):
    """The names of the folders the file holds under its count."""
    section = ini.decode("cp1252").split("[Dossiers]\r\n")[1].split("[")[0]
    lines = dict(line.split("=", 1) for line in section.split("\r\n") if "=" in line)
    return [lines[f"Rac{n}"] for n in range(int(lines["Nombre"])) if lines.get(f"Rep{n}")]


def test_folders_past_the_list_stay_in_the_file_through_starts_and_saves(vossik):
    """902 folders: the list takes 900, the box says the rest stay, and they do, under the count,
    through three starts and two saves."""
    ini = "[Dossiers]\r\nAffichage=0\r\nNombre=902\r\n" + "".join(
        f"Rep{n}=C:\\windows\r\nRac{n}=D{n}\r\n" for n in range(902))
    vossik.write_ini(ini)
    folders = folder_entries(vossik.read_ini_bytes())
    assert len(folders) == 902
    for start in range(3):
        (vossik.start if start == 0 else vossik.launch)("/CONFIG")
        boxes = vossik.wait_until(vossik.message_boxes, "the box")
        assert [(b["caption"], b["texts"]) for b in boxes] == [
            ("Information", ["Seuls les 900 premiers dossiers ont été chargés : les suivants "
                             "restent dans le fichier de paramètres."])], boxes
        assert vossik.answer_box("Information", "OK")["closed"]
        vossik.wait_until(lambda: visible(vossik), "the configuration window")
        if start == 0:
            vossik.click(MAIN_FORM, "Appliquer")
            vossik.wait_until(lambda: b"[Eteindre auto]" in vossik.read_ini_bytes(),
                              "the settings file saved")
            assert folder_entries(vossik.read_ini_bytes()) == folders
        if start < 2:
            vossik.click(MAIN_FORM, "&Quitter")
            vossik.wait_gone(MAIN_FORM)
            assert folder_entries(vossik.read_ini_bytes()) == folders


def quit_refused(vossik, reason):
    """Quitter while the file cannot be written: the stop box says why, then the question."""
    vossik.click(MAIN_FORM, "&Quitter")
    boxes = vossik.wait_until(vossik.message_boxes, "the stop box")
    assert [(b["caption"], b["texts"]) for b in boxes] == [
        ("Vossik'", [f"Impossible d'écrire dans {vossik.windows_ini_path}\r\n{reason}"])], boxes
    vossik.screenshot("stop")
    assert vossik.answer_box("Vossik'", "OK")["closed"]
    boxes = vossik.wait_until(vossik.message_boxes, "the question")
    assert [(b["caption"], b["texts"]) for b in boxes] == [
        ("Confirmation", ["Les paramètres n'ont pas pu être enregistrés.\r\n"
                          "Quitter Vossik' sans les enregistrer ?"])], boxes


def test_refused_save_says_why_and_quitter_asks_before_ending_unsaved(vossik):
    ini = "; à garder\n[Dossiers]\nAffichage=0\n[Lancement Rapide]\nAffichage=0\n"
    vossik.start("/CONFIG", ini=ini)
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    before = vossik.read_ini_bytes()
    files = sorted(p.name for p in vossik.exe_dir.iterdir())

    # A box shows (a click on an icon gone) when another program changes the file: the
    # question about it cannot show beside the box, so "Quitter" keeps the program open, and
    # once the box is closed another says that nothing was saved.
    vossik.tray("WM_LBUTTONDOWN", 5)
    vossik.wait_until(vossik.message_boxes, "the stop box")
    changed = before + cp1252_crlf("; modifié ailleurs\n")
    (vossik.exe_dir / INI_NAME).write_bytes(changed)
    vossik.click(MAIN_FORM, "&Quitter")
    assert vossik.answer_box("Vossik'", "OK")["closed"]
    boxes = vossik.wait_until(vossik.message_boxes, "the box that says nothing was saved")
    assert [(b["caption"], b["texts"]) for b in boxes] == [
        ("Avertissement", ["Les paramètres n'ont pas été enregistrés.\r\nLe fichier de "
                           "paramètres a été modifié par un autre programme depuis que Vossik' "
                           f"l'a lu ou enregistré :\r\n{vossik.windows_ini_path}\r\n\n"
                           "Recommencez une fois ce message fermé : Vossik' vous demandera alors "
                           "s'il faut le remplacer."])], boxes
    vossik.screenshot("not-saved")
    assert vossik.answer_box("Avertissement", "OK")["closed"]
    assert visible(vossik), "Quitter ended the program without a word"
    assert vossik.read_ini_bytes() == changed
    (vossik.exe_dir / INI_NAME).write_bytes(before)

    # Another program holds the file open and lets nobody replace it: "No" keeps the program.
    with vossik.holding_file(vossik.windows_ini_path):
        quit_refused(vossik, "Violation de partage.")
        vossik.screenshot("question")
        assert vossik.answer_box("Confirmation", "&Non")["closed"]
        assert visible(vossik), "the program closed after a refused save"
        assert vossik.read_ini_bytes() == before
        assert sorted(p.name for p in vossik.exe_dir.iterdir()) == files, files

    # A file made read-only is refused too (Wine itself would let the replacing rename by), and
    # "Yes" ends the program without touching it.
    ini_file = vossik.exe_dir / "Vossik'.ini"
    ini_file.chmod(0o444)
    try:
        quit_refused(vossik, "Le fichier est en lecture seule.")
        assert vossik.answer_box("Confirmation", "&Oui")["closed"]
        vossik.wait_gone(MAIN_FORM)
    finally:
        ini_file.chmod(0o644)
    assert vossik.read_ini_bytes() == before
    assert sorted(p.name for p in vossik.exe_dir.iterdir()) == files


def test_a_file_held_at_start_is_named_and_never_replaced_unasked(vossik):
    """Another program holds the settings file, sharing nothing, while the program starts: one
    box names it and says why, and the program runs in the notification area with the defaults.
    Released, "Quitter" asks before replacing the file it never read, and Enter keeps it."""
    vossik.write_ini("[Divers]\nSimple Click=0\n[Dossiers]\nNombre=1\nRep0=C:\\windows\n"
                     "[Arrêter]\nType d'arrêt=0\nConfirmation=0\n")
    before = vossik.read_ini_bytes()
    vossik.start_desktop()
    with vossik.holding_file(vossik.windows_ini_path, shared=False):
        vossik.launch()
        boxes = vossik.wait_until(vossik.message_boxes, "the box")
        assert [(b["caption"], b["texts"]) for b in boxes] == [
            ("Avertissement", ["Le fichier de paramètres n'a pas pu être lu :\r\n"
                               f"{vossik.windows_ini_path}\r\nViolation de partage.\r\n\n"
                               "Vossik' démarre avec les réglages par défaut, et ne remplacera "
                               "ce fichier qu'avec votre accord."])], boxes
        assert vossik.answer_box("Avertissement", "OK")["closed"]

    tips = [i["tip"] for i in vossik.wait_stable(vossik.tray_icons, "the tray icons")]
    assert tips[0] == "Redémarrer l'ordinateur", tips
    vossik.tray_click(10000, button="R", double=True)
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    vossik.close_menus()
    vossik.click(MAIN_FORM, "&Quitter")
    boxes = vossik.wait_until(vossik.message_boxes, "the question")
    assert [(b["caption"], b["texts"]) for b in boxes] == [
        ("Confirmation", ["Le fichier de paramètres n'a pas pu être lu au démarrage de Vossik' :"
                          f"\r\n{vossik.windows_ini_path}\r\n\nLe remplacer par les réglages de "
                          "cette fenêtre ?\r\n(Non : le fichier reste tel qu'il est, et les "
                          "réglages de la fenêtre ne sont pas enregistrés.)"])], boxes
    vossik.screenshot("question")
    vossik.key("Confirmation", "Enter")
    vossik.wait_gone(MAIN_FORM)
    assert vossik.read_ini_bytes() == before


def test_a_settings_file_reached_through_a_link_stays_a_link(vossik):
    """The settings file kept elsewhere through a symbolic link, which Wine follows: "Appliquer"
    writes into the file the link leads to, beside it, and the link stays a link."""
    target = vossik.exe_dir / "ailleurs" / "vossik.ini"
    target.parent.mkdir()
    target.write_bytes(cp1252_crlf("[Divers]\nSimple Click=0\n"))
    link = vossik.exe_dir / INI_NAME
    link.symlink_to(target.relative_to(vossik.exe_dir))
    vossik.start("/CONFIG")
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    files = sorted(p.name for p in vossik.exe_dir.rglob("*"))
    vossik.click(MAIN_FORM, "Appliquer")
    vossik.wait_until(lambda: b"[Eteindre auto]" in target.read_bytes(), "the file saved")
    assert link.is_symlink()
    assert target.read_bytes().startswith(cp1252_crlf("[Divers]\nSimple Click=0\nMAJ Icônes=1\n"))
    assert sorted(p.name for p in vossik.exe_dir.rglob("*")) == files


def test_links_planted_around_the_settings_file_never_steer_its_write(vossik):
    """The settings file is a symbolic link that leads to no file yet, and a link planted under
    the name the save would write first leads to another file of the user's: the first save
    makes the file the first link leads to, both links stay links, and the other file is never
    written."""
    target = vossik.exe_dir / "ailleurs" / "vossik.ini"
    target.parent.mkdir()
    link = vossik.exe_dir / INI_NAME
    link.symlink_to(target.relative_to(vossik.exe_dir))
    letter = vossik.exe_dir / "lettre.txt"
    letter.write_bytes(b"Ch\xe8re Anne")
    planted = target.parent / "vossik.ini.tmp"
    planted.symlink_to(Path("..") / letter.name)
    vossik.start()
    vossik.wait_until(lambda: visible(vossik), "the configuration window of a first start")
    vossik.click(MAIN_FORM, "Appliquer")
    vossik.wait_until(lambda: target.exists() and b"[Eteindre auto]" in target.read_bytes(),
                      "the file saved where the link leads")
    assert target.read_bytes() == cp1252_crlf(DEFAULTS)
    assert link.is_symlink() and planted.is_symlink()
    assert letter.read_bytes() == b"Ch\xe8re Anne"
    assert sorted(p.name for p in target.parent.iterdir()) == [target.name, planted.name]
    assert vossik.message_boxes() == []


@both_architectures
def test_a_copy_in_a_folder_it_cannot_write_keeps_its_settings_in_the_application_data_folder(
        vossik):
    # A file beside the program wins even there: saving it is refused, as before, and the
    # application-data folder is never touched.
    vossik.write_ini("[Arrêter]\nType d'arrêt=3\n")
    vossik.lock_folder()
    vossik.start("/CONFIG")
    vossik.wait_until(lambda: visible(vossik), "the configuration window")
    quit_refused(vossik, "Accès refusé.")
    assert vossik.answer_box("Confirmation", "&Oui")["closed"]
    vossik.wait_gone(MAIN_FORM)
    assert not vossik.roaming_dir.exists()

    # Without it, a first start; "Appliquer" makes the file in the application-data folder.
    vossik.remove_ini()
    vossik.start_again()
    vossik.wait_until(lambda: visible(vossik), "the configuration window of a first start")
    vossik.select_tab(MAIN_FORM, "Eteindre")
    vossik.click(MAIN_FORM, "Terminer la session")
    vossik.click(MAIN_FORM, "Appliquer")
    saved = vossik.roaming_dir / "Vossik'.ini"
    vossik.wait_until(saved.exists, "the settings file in the application-data folder")
    assert b"[Arr\xeater]\r\nAfficher Icone=1\r\nType d'arr\xeat=0\r\n" in saved.read_bytes()
    assert vossik.message_boxes() == []
    vossik.click(MAIN_FORM, "&Quitter")
    vossik.wait_gone(MAIN_FORM)

    # The next start reads it: the icons only, the shutdown icon with the chosen action.
    vossik.start_again()
    tips = [i["tip"] for i in vossik.wait_stable(vossik.tray_icons, "the tray icons")]
    assert "Terminer la session" in tips, tips
    assert not visible(vossik)
    assert sorted(p.name for p in vossik.exe_dir.iterdir()) == ["Vossik.exe"]
