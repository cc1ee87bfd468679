"""The configuration window as a user first sees it: every control of the five pages with its
caption, place, state and hint, the tab order, and the reactions a user meets first (the
enabling rules, the warning of "Réduire" when no icon would show, dragging by the margin)."""


from harness import MAIN_FORM, both_architectures

# Window and button styles, as the probe reports them.
WS_TABSTOP, WS_MAXIMIZEBOX, WS_MINIMIZEBOX = 0x10000, 0x10000, 0x20000
WS_THICKFRAME, WS_SYSMENU, WS_CAPTION = 0x40000, 0x80000, 0xC00000
BS_TYPE, SS_TYPE, ES_READONLY = 0xF, 0x1F, 0x800
LBS_OWNERDRAWFIXED, CBS_DROPDOWNLIST = 0x10, 0x3

# Kind: (window class, style under BS_TYPE or SS_TYPE, or None when the class says it all).
KINDS = {
    "tabs": ("SysTabControl32", None),
    "page": ("VossikPage", None),
    "paint": ("VossikPaintBox", None),
    "group": ("Button", 0x7),
    "check": ("Button", 0x3),
    "radio": ("Button", 0x9),
    "push": ("Button", 0x0),
    "default": ("Button", 0x1),
    "flat": ("Button", 0xB),  # drawn by the program: a speed button
    "label": ("Static", 0xC),  # left-aligned, clipped rather than wrapped
    "centred": ("Static", 0x1),
    "edit": ("Edit", None),
    "list": ("ListBox", None),
    "combo": ("ComboBox", None),
}

# One row per control, children after their parent and in tab order: name, parent, kind,
# caption (None: not checked), box at 96 dpi in the parent's client area (None: the toolkit
# places it), and the state at the first start, without a settings file.
# "on"/"off": checked or not; "disabled"; "readonly".
CONTROLS = [
    ("Onglets", "form", "tabs", "", (5, 6, 417, 226), ""),
    ("PageUS", "Onglets", "page", " Lecteurs ", None, ""),
    ("ActiverUS", "PageUS", "check", "&Afficher les lecteurs", (15, 10, 166, 17), "on"),
    ("MontrerTypeUS", "PageUS", "group", " Montrer : ", (15, 40, 166, 146), ""),
    ("CBDisquette", "MontrerTypeUS", "check", "Disques a&movibles", (15, 20, 146, 17), "on"),
    ("CBDD", "MontrerTypeUS", "check", "Disques &fixes (durs)", (15, 45, 146, 17), "on"),
    ("CBCD", "MontrerTypeUS", "check", "&Lecteurs CD-Roms", (15, 70, 146, 17), "on"),
    ("CBRam", "MontrerTypeUS", "check", "Disques &virtuels", (15, 95, 97, 17), "on"),
    ("CBReseau", "MontrerTypeUS", "check", "Disques &réseaux", (15, 120, 97, 17), "on"),
    ("TypeOuvertureUS", "PageUS", "group", " Type d'ouverture ", (210, 10, 185, 96), ""),
    ("RBNormalUS", "TypeOuvertureUS", "radio", "&Normal", (15, 20, 161, 17), "off"),
    ("RBExplorerUS", "TypeOuvertureUS", "radio", "&Explorateur", (15, 45, 161, 17), "on"),
    ("CBRacineUS", "TypeOuvertureUS", "check", "Afficher en tant que &racine",
     (15, 70, 161, 17), "off"),
    ("Icone1", "PageUS", "paint", "", (210, 135, 32, 32), ""),
    ("LabelVossik1", "PageUS", "centred", "Vossik'", (245, 139, 151, 24), ""),
    ("PageRep", "Onglets", "page", " Dossiers fréquents ", None, ""),
    ("ActiverRep", "PageRep", "check", "&Afficher les dossiers", (15, 10, 166, 17), "on"),
    ("TypeOuvertureRep", "PageRep", "group", " Type d'ouverture ", (210, 10, 185, 96), ""),
    # The settings file's defaults: explorer view, not as the root.
    ("RBNormalRep", "TypeOuvertureRep", "radio", "&Normal", (15, 20, 161, 17), "off"),
    ("RBExplorerREp", "TypeOuvertureRep", "radio", "&Explorateur", (15, 45, 161, 17), "on"),
    ("CBRacineRep", "TypeOuvertureRep", "check", "Afficher en tant que &racine",
     (15, 70, 161, 17), "off"),
    ("ListeRep", "PageRep", "list", "", (15, 30, 166, 130), ""),
    ("NomRepLbl", "PageRep", "label", "Nom raccourci :", (210, 124, 75, 13), ""),
    ("NomRep", "PageRep", "edit", "", (210, 139, 186, 21), "readonly"),
    ("AjouterRepBtn", "PageRep", "push", "Aj&outer", (15, 170, 75, 23), ""),
    ("ModifierRepBtn", "PageRep", "push", "&Modifier", (168, 170, 75, 23), "disabled"),
    ("EnleverRepBtn", "PageRep", "push", "E&nlever", (321, 170, 75, 23), "disabled"),
    ("PageApp", "Onglets", "page", " Lancement rapide ", None, ""),
    ("ListeFich", "PageApp", "list", "", (15, 30, 381, 130), ""),
    ("ActiverExe", "PageApp", "check", "&Afficher les lancements rapides",
     (15, 10, 381, 17), "on"),
    ("AjouterExeBtn", "PageApp", "push", "Aj&outer", (15, 170, 75, 23), ""),
    ("ModifierExeBtn", "PageApp", "push", "&Modifier", (168, 170, 75, 23), "disabled"),
    ("EnleverExeBtn", "PageApp", "push", "E&nlever", (321, 170, 75, 23), "disabled"),
    ("PageEteindre", "Onglets", "page", "Eteindre", None, ""),
    ("CBAfficherArreter", "PageEteindre", "check", "&Afficher l'icône Arrêter",
     (15, 10, 166, 17), "on"),
    ("CBForcer", "PageEteindre", "check", "Forcer les programmes 'gelés'",
     (15, 140, 166, 17), "off"),
    ("CBConfirmer", "PageEteindre", "check", "Demander confirmation", (15, 165, 166, 17), "on"),
    ("CBEteindreAuto", "PageEteindre", "check", "Eteindre automatiquement à :",
     (210, 10, 185, 17), "off"),
    # A drop-down list is as high as its font makes it: the 21 is not checked.
    ("Heure", "PageEteindre", "combo", "0 heure", (210, 35, 81, None), "disabled"),
    ("Minutes", "PageEteindre", "combo", "0 minute", (314, 35, 81, None), "disabled"),
    ("GroupePeriode", "PageEteindre", "group", " Périodicité ", (210, 65, 185, 61), "disabled"),
    # The radio group's own lines, named here only.
    ("Aujourdhui", "GroupePeriode", "radio", "Uniquement aujourd'hui", None, "on disabled"),
    ("TousLesJours", "GroupePeriode", "radio", "Tous les jours", None, "off disabled"),
    ("CBRappel1min", "PageEteindre", "check", "Rappel 1 minute avant d'éteindre",
     (210, 140, 185, 17), "on disabled"),
    ("CBConfirmationAuto", "PageEteindre", "check", "Demander confirmation",
     (210, 165, 185, 17), "on disabled"),
    ("TypeReboot", "PageEteindre", "group", " Action de l'icone  ", (15, 35, 166, 91), ""),
    ("RBLogOff", "TypeReboot", "radio", "Terminer la session", (10, 16, 151, 17), "off"),
    # Restarting Windows alone was only for Windows 95, 98 and Me.
    ("RBRedWin", "TypeReboot", "radio", "Redémarrer Windows", (10, 35, 151, 17), "off disabled"),
    # The settings file's default action: restart.
    ("RBRedemarrer", "TypeReboot", "radio", "Redémarrer l'ordinateur", (10, 54, 151, 17), "on"),
    ("RBEteindre", "TypeReboot", "radio", "Eteindre", (10, 72, 151, 17), "off"),
    ("PageAPropos", "Onglets", "page", "A propos / Divers", None, ""),
    ("GroupeApropos", "PageAPropos", "group", " A propos ... ", (5, 10, 191, 180), ""),
    ("Icone2", "GroupeApropos", "paint", "", (10, 20, 32, 32), ""),
    ("LabelVossik2", "GroupeApropos", "centred", "Vossik'", (40, 25, 141, 24), ""),
    ("VersionBtn", "GroupeApropos", "flat", "Version 1.5 Shareware", (10, 59, 171, 21), ""),
    ("Label1", "GroupeApropos", "centred", None, (14, 86, 163, 91), ""),
    ("GroupeClick", "PageAPropos", "group", " Réaction des icônes à la souris ",
     (210, 10, 185, 71), ""),
    ("RBSimpleClick", "GroupeClick", "radio", "&Simple click", (15, 20, 161, 17), "on"),
    ("RBDoubleClick", "GroupeClick", "radio", "&Double click", (15, 45, 161, 17), "off"),
    ("CBActiverMAJ", "PageAPropos", "check", "&Mettre à jour les icônes ", (222, 88, 134, 17),
     "on"),
    ("GroupeMAJ", "PageAPropos", "group", "  ", (210, 90, 185, 66), ""),
    ("CBGarderCD", "GroupeMAJ", "check", "Garder les icones CD-ROM", (30, 19, 146, 17), "on"),
    ("CBGarderNet", "GroupeMAJ", "check", "Garder les icones réseaux", (30, 42, 146, 17), "off"),
    ("ReorganiserBtn", "PageAPropos", "push", "&Réorganiser les icônes", (210, 167, 185, 23), ""),
    ("OkBtn", "form", "default", "Réduire", (265, 238, 75, 23), ""),
    ("AppliquerBtn", "form", "push", "Appliquer", (347, 238, 75, 23), ""),
    ("QuitterBtn", "form", "push", "&Quitter", (5, 238, 75, 23), ""),
]

HINTS = {
    "ActiverUS": "Cocher pour afficher les icones 'lecteurs' dans la barre",
    "CBDisquette": "Cocher pour montrer le(s) disque(s) amovible(s)",
    "CBDD": "Cocher pour montrer le(s) disque(s) fixe(s)",
    "CBCD": "Cocher pour montrer le(s) lecteur(s) de CD-ROM(s)",
    "CBRam": "Cocher pour montrer le(s) disque(s) virtuel(s)",
    "CBReseau": "Cocher pour montrer le(s) disque(s) réseau(x)",
    "RBNormalUS": "Ouverture Normale (une fenêtre par répertoire ...)",
    "RBExplorerUS": "Ouverture avec l'Explorateur (arborescence sur la gauche)",
    "CBRacineUS": "Cocher pour ne pas pouvoir remonter au poste de travail "
                  "(arborescence moins grande)",
    "ActiverRep": "Cocher pour afficher les icones 'dossiers' dans la barre",
    "RBNormalRep": "Ouverture Normale (une fenêtre par répertoire ...)",
    "RBExplorerREp": "Ouverture avec l'Explorateur (arborescence sur la gauche)",
    "CBRacineRep": "Cocher pour ne pas pouvoir remonter au-dessus du répoertoire choisi "
                   "(arborescence moins grande)",
    "AjouterRepBtn": "Ajouter un répertoire à la liste",
    "ModifierRepBtn": "Modifier le répertoire sélectionné, et/ou son nom de raccourci",
    "EnleverRepBtn": "Supprimer  le répertoire de la liste (effet immédiat dans la barre "
                     "d'icônes)",
    "AjouterExeBtn": "Ajouter une application ou un document à la liste",
    "ModifierExeBtn": "Modifier l'application ou le document sélectionné",
    "EnleverExeBtn": "Supprimer l'application ou le document de la liste (effet immédiat "
                     "dans la barre d'icônes)",
    "CBForcer": "Faut-il fermer les programmes en cours à s'arrêter même s'il sont bloqués ?",
    "CBConfirmer": "Affiche un message BLOQUANT juste avant l'action choisie",
    "CBEteindreAuto": "Active la programmation d'extinction automatique de cette ordinateur "
                      "(surtout utile en ATX)",
    "CBRappel1min": "Affichera un message NON BLOQUANT (le décompte continue) 1 minute avant "
                    "(d'éteindre",
    "CBConfirmationAuto": "Affiche un message BLOQUANT juste avant d'éteindre",
    "RBLogOff": "Ferme toutes les applications et change de nom d'utilisateur",
    "RBRedWin": "Redémarre Windows sans redémarrer l'ordinateur",
    "RBRedemarrer": "Redémarrage à froid du système",
    "RBEteindre": "Eteindre complètement la machine si possible (ATX)",
    "Icone2": "C'est môa qui l'ai fait, c'est joli non ?",
    "VersionBtn": "Cliquer pour visiter le site Internet de Vossik', écrire à l'auteur, "
                  "obtenir une nouvelle version, ...",
    "RBSimpleClick": "L'icône dans la barre réagit à un simple click de la souris",
    "RBDoubleClick": "L'icône dans la barre réagit à un double-click de la souris",
    "CBActiverMAJ": "Cocher pour activer la mise à jour automatique des icônes et de leur nom "
                    "(CD-ROMs / lecteurs réseaux)",
    "CBGarderCD": "Laisse l'icone affichée même si un CD-ROM est éjecté du lecteur",
    "CBGarderNet": "Laisse l'icone affichée même si un lecteur réseau est déconnecté "
                   "(inutile ?)",
    "ReorganiserBtn": "Cliquer pour réordonner les icônes par type",
    "OkBtn": "Cliquer pour valider les modification ET cacher cette boîte de configuration",
    "AppliquerBtn": "Cliquer pour valider les modifications SANS cacher cette boîte",
    "QuitterBtn": "Cliquer pour sortir de cet utilitaire, pourtant indispensable",
}

HOURS = ["0 heure", "1 heure"] + [f"{hour} heures" for hour in range(2, 24)]
MINUTES = ["0 minute"] + [f"{minute} minutes" for minute in range(5, 60, 5)]
TABS = [caption for _, parent, _, caption, _, _ in CONTROLS if parent == "Onglets"]

# The lines of a group box that follows a check box.
MONTRER = ["CBDisquette", "CBDD", "CBCD", "CBRam", "CBReseau"]
SCHEDULE = ["Heure", "Minutes", "GroupePeriode", "Aujourdhui", "TousLesJours", "CBRappel1min",
            "CBConfirmationAuto"]
NO_ICON_WARNING = ("Vos choix n'afficheront aucune icône.\r\n\n"
                   "Affichez-en au moins une, ou choisissez 'Quitter'.")


def scaled(value, dpi):
    """As the system's MulDiv(value, dpi, 96): rounded half away from zero."""
    return (value * dpi + 48) // 96


def visible_form(vossik):
    form = vossik.window(MAIN_FORM)
    return form if form and form["visible"] else None


def open_window(vossik):
    vossik.start("/CONFIG")
    vossik.wait_until(lambda: visible_form(vossik), "the configuration window")


def name_controls(dump):
    """Pairs the dumped windows with the table's rows, parent by parent in z-order (which is
    the tab order). Returns {name: control}; a window too many or too few fails here."""
    children = {}
    for control in dump["controls"]:
        children.setdefault(control["parent"], []).append(control)
    named = {"form": {"hwnd": dump["hwnd"]}}
    for parent in ["form"] + [name for name, *_ in CONTROLS]:
        if parent not in named:
            continue
        rows = [row for row in CONTROLS if row[1] == parent]
        found = children.get(named[parent]["hwnd"], [])
        shown = [(c["class"], c["text"]) for c in found]
        assert len(found) == len(rows), f"children of {parent}: {shown}"
        for row, control in zip(rows, found):
            named[row[0]] = control
    del named["form"]
    return named


def problems_of(name, kind, caption, box, state, control, dpi):
    problems = []
    cls, style_type = KINDS[kind]
    style = control["style"]
    mask = SS_TYPE if cls == "Static" else BS_TYPE
    if control["class"] != cls or (style_type is not None and style & mask != style_type):
        problems.append(f"class {control['class']} style {style:#x}, not a {kind}")
    if caption is not None and control["text"] != caption:
        problems.append(f"caption {control['text']!r}")
    if box is not None:
        rect = control["rect"]
        seen = (rect["left"], rect["top"], rect["right"] - rect["left"],
                rect["bottom"] - rect["top"])
        for what, want, got in zip(("left", "top", "width", "height"), box, seen):
            if want is None:
                continue
            want = scaled(want, dpi)
            # A left-aligned label grows to show a caption wider in this face than in the
            # classic one; it never shrinks.
            grows = kind == "label" and what in ("width", "height")
            if got < want - 1 or (not grows and got > want + 1):
                problems.append(f"{what} {got}, not {want}")
    flags = state.split()
    checked = control.get("checked")
    if "on" in flags and checked != 1 or "off" in flags and checked != 0:
        problems.append(f"checked {checked}")
    if control["enabled"] == ("disabled" in flags):
        problems.append(f"enabled {control['enabled']}")
    if ("readonly" in flags) != bool(cls == "Edit" and style & ES_READONLY):
        problems.append(f"style {style:#x}: read-only is wrong")
    # What the user reaches with Tab: the boxes, buttons, lists and fields, but never the
    # read-only name, the speed button, a label or a frame.
    if kind in ("check", "push", "default", "list", "combo", "edit") and "readonly" not in flags:
        if not style & WS_TABSTOP:
            problems.append("not a tab stop")
    elif kind in ("group", "label", "centred", "flat", "paint") or "readonly" in flags:
        if style & WS_TABSTOP:
            problems.append("a tab stop")
    if HINTS.get(name) != control.get("hint"):
        problems.append(f"hint {control.get('hint')!r}")
    return [f"{name}: {problem}" for problem in problems]


def inside(child, parent):
    rect, outer = child["rect"], parent["rect"]
    width, height = outer["right"] - outer["left"], outer["bottom"] - outer["top"]
    return (0 <= rect["left"] <= rect["right"] <= width
            and 0 <= rect["top"] <= rect["bottom"] <= height)


@both_architectures
def test_every_control_in_place_with_its_caption_state_and_hint(vossik):
    open_window(vossik)
    dump = vossik.dump()
    dpi = dump["dpi"]

    client = dump["client_rect"]
    assert (client["right"], client["bottom"]) == (scaled(428, dpi), scaled(267, dpi)), client
    assert dump["caption"] == "Configuration Vossik'"
    # A caption with the system menu and close box only, and a border that does not size.
    style = dump["style"]
    assert style & WS_CAPTION == WS_CAPTION and style & WS_SYSMENU, f"style {style:#x}"
    assert not style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), f"style {style:#x}"

    named = name_controls(dump)
    problems = []
    for name, _, kind, caption, box, state in CONTROLS:
        problems += problems_of(name, kind, caption, box, state, named[name], dpi)
    assert not problems, "\n".join(problems)

    groups = {name for name, _, kind, *_ in CONTROLS if kind == "group"}
    outside = [name for name, parent, *_ in CONTROLS
               if parent in groups and not inside(named[name], named[parent])]
    assert not outside, f"outside their group box: {outside}"

    # The five captions in one row, without scroll arrows, and the quick-launch page first. The
    # tabs leave out the blanks around some captions, and give every one the same margins.
    tabs = named["Onglets"]
    assert tabs["tabs"] == [caption.strip() for caption in TABS], tabs["tabs"]
    assert tabs["selection"] == TABS.index(" Lancement rapide ")
    pages = [name for name, _, kind, *_ in CONTROLS if kind == "page"]
    shown = [name for name in pages if named[name]["visible"]]
    assert shown == ["PageApp"], f"pages shown: {shown}"
    assert all(named[name]["visible"] for name, parent, *_ in CONTROLS if parent == "PageApp")

    assert named["Heure"]["items"] == HOURS and named["Heure"]["selection"] == 0
    assert named["Minutes"]["items"] == MINUTES and named["Minutes"]["selection"] == 0
    for name in ("Heure", "Minutes"):
        assert named[name]["style"] & 0x3 == CBS_DROPDOWNLIST, f"{name} is not a drop-down list"
    for name in ("ListeRep", "ListeFich"):
        assert named[name]["items"] == [] and named[name]["style"] & LBS_OWNERDRAWFIXED, name
    # Seven centred lines of text asking for a contribution.
    assert named["Label1"]["text"].count("\r\n") == 6, named["Label1"]["text"]
    # The blank group's title is the check box lying over its top edge.
    maj, group = named["CBActiverMAJ"]["rect"], named["GroupeMAJ"]["rect"]
    assert maj["top"] < group["top"] < maj["bottom"], (maj, group)

    # One face and size for every caption but the two big bold titles (fonts are read through
    # the probe's hook DLL; without it they are null). The titles are in Arial, which the prefix
    # must have: the program falls back to the dialog face for a missing one.
    font = dump["font"]
    if font is not None:
        titles = ("LabelVossik1", "LabelVossik2")
        odd = [name for name, *_ in CONTROLS if name not in titles and named[name]["font"] != font]
        assert not odd, f"not in the window's font {font}: {odd}"
        for name in titles:
            title = named[name]["font"]
            assert title["face"] == "Arial", title
            assert title["weight"] >= 700 and abs(title["height"]) > 1.5 * abs(font["height"]), title


def test_check_boxes_switch_the_controls_that_depend_on_them(vossik):
    open_window(vossik)

    vossik.select_tab(MAIN_FORM, " Lecteurs ")
    vossik.click(MAIN_FORM, "&Afficher les lecteurs", mouse=True)
    named = vossik.wait_until(
        lambda: (n := name_controls(vossik.dump())) and not n["ActiverUS"]["checked"] and n,
        "the drives box unticked")
    assert [name for name in ["MontrerTypeUS"] + MONTRER if named[name]["enabled"]] == []
    opening = ["TypeOuvertureUS", "RBNormalUS", "RBExplorerUS", "CBRacineUS"]
    assert all(named[name]["enabled"] for name in opening), "the open mode was switched too"

    vossik.select_tab(MAIN_FORM, "Eteindre")
    vossik.click(MAIN_FORM, "Eteindre automatiquement à :", mouse=True)
    named = vossik.wait_until(
        lambda: (n := name_controls(vossik.dump())) and n["CBEteindreAuto"]["checked"] and n,
        "the schedule box ticked")
    assert [name for name in SCHEDULE if not named[name]["enabled"]] == []
    # The drives page keeps what was done there.
    assert not named["MontrerTypeUS"]["enabled"] and not named["ActiverUS"]["checked"]


def test_reduire_without_any_icon_warns_and_keeps_the_window(vossik):
    open_window(vossik)
    for box in ("&Afficher les lecteurs", "&Afficher les dossiers",
                "&Afficher les lancements rapides", "&Afficher l'icône Arrêter"):
        vossik.click(MAIN_FORM, box)
    named = name_controls(vossik.dump())
    ticked = [name for name in ("ActiverUS", "ActiverRep", "ActiverExe", "CBAfficherArreter")
              if named[name]["checked"]]
    assert ticked == [], f"still ticked: {ticked}"

    vossik.click(MAIN_FORM, "Réduire")
    boxes = vossik.wait_until(vossik.message_boxes, "the warning")
    assert [(b["caption"], b["texts"]) for b in boxes] == [("Avertissement", [NO_ICON_WARNING])]
    assert [b["text"] for b in boxes[0]["buttons"]] == ["OK"], boxes[0]["buttons"]
    assert vossik.answer_box("Avertissement", "OK")["closed"]
    assert visible_form(vossik), "the window went away"
    assert vossik.tray_icons() == [], f"tray icons: {vossik.tray_icons()}"


def drag(vossik, start, offset):
    """A real press, moves and release, as a user drags."""
    x, y = start
    dx, dy = offset
    vossik.xdotool("mousemove", "--sync", x, y)
    vossik.xdotool("mousedown", 1)
    for step in (1, 2, 3, 4):
        vossik.xdotool("mousemove", "--sync", x + dx * step // 4, y + dy * step // 4)
    vossik.xdotool("mouseup", 1)


def test_the_margin_drags_the_window_and_it_comes_back_centred(vossik):
    open_window(vossik)
    dump = vossik.dump()
    dpi, origin = dump["dpi"], dump["rect"]
    # Screen point of a client point: the client area ends where the window's border does.
    border = (origin["right"] - origin["left"] - dump["client_rect"]["right"]) // 2
    top = origin["bottom"] - border - dump["client_rect"]["bottom"]

    def screen(x, y):
        return origin["left"] + border + scaled(x, dpi), top + scaled(y, dpi)

    def position():
        rect = vossik.window(MAIN_FORM)["rect"]
        return rect["left"], rect["top"]

    # First on the quick-launch page, below its buttons: nothing moves. Then on the margin
    # left of the buttons: the window follows the pointer. Wine's move loop may take the pointer
    # a step late under load, so the distance is checked as a user would see it, not to the pixel.
    drag(vossik, screen(130, 224), (60, 40))
    assert vossik.wait_stable(position, "the window after a drag on a page") == (
        origin["left"], origin["top"]), "a drag on a page moved the window"
    drag(vossik, screen(2, 250), (-50, -30))
    moved = vossik.wait_stable(position, "the window after a drag on the margin")
    dx, dy = moved[0] - origin["left"], moved[1] - origin["top"]
    assert -70 <= dx <= -40 and -45 <= dy <= -20, f"moved by {(dx, dy)}, dragged by (-50, -30)"
    assert visible_form(vossik)

    # Hidden in the tray and brought back, it stands in the middle of the screen again.
    vossik.click(MAIN_FORM, "Réduire")
    vossik.wait_until(lambda: not visible_form(vossik), "the window hidden")
    vossik.tray_click(10000, button="R", double=True)
    vossik.wait_until(lambda: visible_form(vossik), "the window shown again")
    vossik.close_menus()
    assert position() == (origin["left"], origin["top"]), "not centred when shown again"


def test_a_monitor_of_another_scale_lays_the_window_out_again(vossik):
    open_window(vossik)

    def button(text):
        dump = vossik.dump()
        return next(c for c in dump["controls"] if c["text"] == text), dump

    before, dump = button("Appliquer")
    vossik.dpi_changed(MAIN_FORM, 144)
    after, scaled = button("Appliquer")
    width = lambda c: c["rect"]["right"] - c["rect"]["left"]
    assert abs(width(after) - width(before) * 1.5) <= 1, (before["rect"], after["rect"])
    assert after["font"]["height"] == -16, after["font"]  # 8 points at 144 dpi
    client = lambda d: d["client_rect"]["right"]
    assert abs(client(scaled) - client(dump) * 1.5) <= 2, (dump["client_rect"], scaled["client_rect"])
    vossik.screenshot("at-144-dpi")
