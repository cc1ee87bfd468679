"""Our settings-file reader and writer against the system's profile functions, under Wine.

profile_diff.exe (tests/e2e/profile) reads generated files with both and prints every
difference; it then saves with our writer and reads the result back with the system. The only
differences allowed are the known ones below, each with its reason: a new one fails, and so
does a known one that no longer shows (the list must be kept true).
"""

import json
import os
import shutil
import subprocess
from pathlib import Path

from harness import REPO

MISSING = "<missing>"
INTEGER_DEFAULT = "12345"  # what profile_diff passes as the default of every integer read

# Windows-1252 letters that have a partner in the other case (profile_read_cases.cpp).
LETTER_PAIRS = 34

FOLDS_ASCII_ONLY = ("We match names with every Windows-1252 letter folded, as Windows does; "
                    "Wine 8 folds only A to Z")
TRIMS_MORE = ("Wine trims every C space character and ^Z around a value (\\v, \\f); we "
              "trim blanks and tabs only")
SEMICOLON_KEYS = ("A line starting with ';' is a comment for us; Wine reads it as a key whose "
                  "name starts with ';' (the program never asks for such a name)")
QUOTED_FULL_BUFFER = ("Wine counts the closing quote of a quoted value against the 2047 "
                      "characters and so gives one fewer")
WHOLE_OR_NOTHING = ("A value longer than 2047 characters is not read at all by us, lest a save "
                    "write it back cut; the system cuts it")
NOT_IN_CP1252 = ("A value with characters Windows-1252 lacks is not read at all by us, lest a "
                 "save write it back changed; the system gives '?' for them")
UTF16_WITHOUT_MARK = ("A file whose zero bytes are all high bytes of UTF-16 units is UTF-16 for "
                      "us, though it lacks its mark; the system reads it as ANSI, and so as "
                      "nothing")
UTF8_WITHOUT_MARK = ("A file without mark that is well-formed UTF-8 beyond ASCII is UTF-8 for "
                     "us, as Notepad saves it; the system reads it as ANSI")

NOT_LOADED = "<not loaded>"


def shown(text):
    """A text as profile_diff shows it: long ones by their ends and their length."""
    return text if len(text) <= 72 else f"{text[:24]}...({len(text)} chars)...{text[-24:]}"


def mojibake(text):
    """UTF-8 read as Windows-1252."""
    return text.encode("utf-8").decode("cp1252")


# The same settings in every encoding editors save in (profile_read_cases.cpp).
ENCODED_VALUES = {("Arrêter", "Type d'arrêt"): "3",
                  ("Lancement Rapide", "Rep0"): "C:\\Données\\été.txt",
                  ("Lancement Rapide", "Opt0"): "¶/x €"}
FOREIGN = "文件"


def encoded_differences():
    known = {}
    for name in ("utf8_no_mark", "utf8_mark", "utf16le", "utf16be"):
        marked = name != "utf8_no_mark"
        known[(name, "Lancement Rapide", "Long")] = (NOT_LOADED, shown("x" * 2047),
                                                      WHOLE_OR_NOTHING)
        known[(name, "Lancement Rapide", "Rac1")] = (
            NOT_LOADED, "??" if marked else mojibake(FOREIGN),
            NOT_IN_CP1252 if marked else UTF8_WITHOUT_MARK)
    for (section, key), value in ENCODED_VALUES.items():
        system = MISSING if section == "Arrêter" else mojibake(value)
        known[("utf8_no_mark", section, key)] = (value, system, UTF8_WITHOUT_MARK)
    return known


def long_value_differences():
    known = {}
    for length in (2048, 2049, 3000, 5000):
        known[("long_values", "Long", f"Plain{length}")] = (NOT_LOADED, shown("a" * 2047),
                                                            WHOLE_OR_NOTHING)
        known[("long_values", "Long", f"Quoted{length}")] = (NOT_LOADED, shown("q" * 2047),
                                                             WHOLE_OR_NOTHING)
    return known


# (file, section, key): (ours, system's, why).
STRING_DIFFERENCES = {
    ("names_in_other_case", "Divers", "MAJ Icônes"): ("1", MISSING, FOLDS_ASCII_ONLY),
    ("names_in_other_case", "Arrêter", "Type d'arrêt"): ("3", MISSING, FOLDS_ASCII_ONLY),
    ("names_in_other_case", "Éteindre auto", "Périodicité"): ("1", MISSING, FOLDS_ASCII_ONLY),
    ("blanks", "Blancs", "VerticalTab"): ("\v x \v", "x", TRIMS_MORE),
    ("blanks", "Blancs", "FormFeed"): ("\f x \f", "x", TRIMS_MORE),
    ("blanks", "Blancs", "Substitute"): ("x\x1a", "x", TRIMS_MORE),
    ("utf16le_no_mark", "Divers", "A"): ("1", MISSING, UTF16_WITHOUT_MARK),
    ("utf16le_no_mark", "Arrêter", "Type d'arrêt"): ("3", MISSING, UTF16_WITHOUT_MARK),
    ("comments", "Divers", ";Simple Click"): (MISSING, "0", SEMICOLON_KEYS),
    ("comments", "Divers", "; Rep0"): (MISSING, "old", SEMICOLON_KEYS),
    ("comments", "Divers", "; Indented"): (MISSING, "y", SEMICOLON_KEYS),
    ("long_values", "Long", "Quoted2047"): (shown("q" * 2046 + "z"), shown("q" * 2046),
                                            QUOTED_FULL_BUFFER),
    **long_value_differences(),
    **encoded_differences(),
}

NOT_A_NUMBER = ("Text that is no number gives the key's default for us, 0 from "
                "GetPrivateProfileInt")
LEADING_NUMBER = ("GetPrivateProfileInt reads the number the text starts with (and '+', "
                  "'0b', '0o', a blank after the quotes); for us the whole value is the number "
                  "or the key's default")
OUR_HEXADECIMAL = "'0X' and '$' start a hexadecimal number for us, not for the system"
OUT_OF_RANGE = ("A decimal beyond 32 bits gives the key's default for us; the system wraps "
                "or clamps it")

# Integer texts read alike by neither side on purpose: (key = text): (ours, system's, why).
INTEGER_RULE_DIFFERENCES = {
    "N4 = 0X1F": ("31", "0", OUR_HEXADECIMAL),
    "N5 = $fF": ("255", "0", OUR_HEXADECIMAL),
    "N6 = $7FFFFFFF": ("2147483647", "0", OUR_HEXADECIMAL),
    "N10 = 2147483648": (INTEGER_DEFAULT, "-2147483648", OUT_OF_RANGE),
    "N11 = -2147483649": (INTEGER_DEFAULT, "2147483647", OUT_OF_RANGE),
    "N19 = 12abc": (INTEGER_DEFAULT, "12", LEADING_NUMBER),
    "N20 = +5": (INTEGER_DEFAULT, "5", LEADING_NUMBER),
    "N21 = 1 2": (INTEGER_DEFAULT, "1", LEADING_NUMBER),
    "N25 = -0x10": (INTEGER_DEFAULT, "-16", LEADING_NUMBER),
    "N28 = 1e3": (INTEGER_DEFAULT, "1", LEADING_NUMBER),
    "N29 = 12.0": (INTEGER_DEFAULT, "12", LEADING_NUMBER),
    "N30 =  7": (INTEGER_DEFAULT, "7", LEADING_NUMBER),
    "N31 = 0b101": (INTEGER_DEFAULT, "5", LEADING_NUMBER),
    "N32 = 0o17": (INTEGER_DEFAULT, "15", LEADING_NUMBER),
}


def profile_diff_exe(vossik):
    given = os.environ.get("VOSSIK_E2E_PROFILE_DIFF")
    candidates = [Path(given)] if given else [
        vossik.exe.parent / "tests/e2e/profile/profile_diff.exe",
        REPO / "build/i686/tests/e2e/profile/profile_diff.exe"]
    found = next((path for path in candidates if path.exists()), None)
    assert found, f"no profile_diff.exe (build the i686 target): looked at {candidates}"
    return found


def run_profile_diff(vossik):
    shutil.copy2(profile_diff_exe(vossik), vossik.exe_dir / "profile_diff.exe")
    # It writes its files under the current folder, here the test's own folder on C:.
    result = subprocess.run(["wine", "profile_diff.exe"], cwd=vossik.exe_dir,
                            env=vossik.prefix.env(vossik.display), capture_output=True,
                            timeout=120, check=False)
    assert result.returncode == 0, result.stderr.decode(errors="replace")
    return json.loads(result.stdout.decode("utf-8"))


def is_name_folding(difference):
    """A name with a Windows-1252 letter outside A-Z, found by us and not by Wine."""
    name = difference["section"] + difference["key"]
    return (difference["file"] in ("names_in_other_case", "letters") and
            any(ord(c) > 127 for c in name) and
            difference["ours"] != MISSING and difference["system"] == MISSING)


def test_our_profile_reader_and_writer_differ_from_the_system_only_where_known(vossik):
    report = run_profile_diff(vossik)
    assert report["code_page"] == 1252
    assert report["reads"] > 150, f"only {report['reads']} reads: the cases did not run"

    strings = report["string_differences"]
    unexplained = []
    seen = set()
    for d in strings:
        where = (d["file"], d["section"], d["key"])
        known = STRING_DIFFERENCES.get(where)
        if known and (d["ours"], d["system"]) == known[:2]:
            seen.add(where)
        elif not (d["file"] == "letters" and is_name_folding(d)):
            unexplained.append(d)
    assert unexplained == [], f"new reading differences: {unexplained}"
    assert seen == set(STRING_DIFFERENCES), \
        f"known differences no longer seen: {set(STRING_DIFFERENCES) - seen}"
    assert sum(d["file"] == "letters" for d in strings) == LETTER_PAIRS, \
        "every accented capital should be found through its small letter by us only"

    # Where both take the text for a plain number, the only differences come from the text
    # each finds (above).
    text_differences = {(d["file"], d["section"], d["key"]) for d in strings}
    integers = report["integer_differences"]
    assert [d for d in integers
            if (d["file"], d["section"], d["key"].split(" = ")[0]) not in text_differences] == []

    unexplained = []
    seen = set()
    for d in report["integer_rule_differences"]:
        known = INTEGER_RULE_DIFFERENCES.get(d["key"]) if d["file"] == "integers" else None
        if known and (d["ours"], d["system"]) == known[:2]:
            seen.add(d["key"])
        elif (d["ours"], d["system"]) != (INTEGER_DEFAULT, "0"):  # NOT_A_NUMBER
            unexplained.append(d)
    assert unexplained == [], f"new integer differences: {unexplained}"
    assert seen == set(INTEGER_RULE_DIFFERENCES), \
        f"known differences no longer seen: {set(INTEGER_RULE_DIFFERENCES) - seen}"

    # What our writer saves, the system reads back as written, and as the system's own
    # writer would have left it, in a Windows-1252 file as in UTF-8 and UTF-16 ones.
    assert report["write_back_differences"] == []
    assert report["writer_differences"] == []
