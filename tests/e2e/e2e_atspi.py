# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader meets it (run by atspi_lib.sh): a square
wave built and read without looking at the screen, an input box and a
message box read and answered, every window's tree, and the numbers of the
graphs read from their tables."""

import sys

import pyatspi

import atspi_helper as h

BAD_ROLES = {"unknown", "filler"}


def check_tree(window, problems):
    """Every focusable object shown has a name and a role that says what it is."""
    seen = 0
    for obj, _ in h.walk(window):
        if not (h.has_state(obj, pyatspi.STATE_FOCUSABLE) and h.showing(obj)):
            continue
        seen += 1
        where = "%s / %s \"%s\"" % (window.name, h.role(obj), obj.name)
        if not obj.name.strip():
            problems.append("no name: " + where)
        if h.role(obj) in BAD_ROLES:
            problems.append("role %s: %s" % (h.role(obj), where))
    return seen


def wait_text(obj, expected):
    h.wait_for("\"%s\" reading \"%s\" (it reads \"%s\")" % (obj.name, expected, h.text(obj)),
               lambda: h.text(obj) == expected, timeout=5)


def cell(rows, first, column):
    for r in rows:
        if r[0] == first:
            return r[column]
    h.fail("no row \"%s\" in %s" % (first, rows))


def main():
    app = h.wait_app(windows=2)
    main_window = h.window(app, "Fourier et filtres")

    # The square wave, through the preset button's action.
    carre = h.find(main_window, "Carré", "push button")
    h.act(carre, "Press")
    h.wait_for("\"Carré\" checked", lambda: h.has_state(carre, pyatspi.STATE_CHECKED), timeout=5)
    amp3 = h.find(main_window, "Amplitude harmonique 3", "slider")
    h.wait_for("amplitude 3 at 21", lambda: h.value(amp3) == 21, timeout=5)
    readout3 = h.find(main_window, "Affichage amplitude harmonique 3", "label")
    wait_text(readout3, "21 %")
    low, high, step = h.value_range(amp3)
    if (low, high, step) != (0, 100, 5):
        h.fail("amplitude 3's range %s .. %s step %s, not 0 .. 100 step 5" % (low, high, step))

    # An input box and a message box, read and answered: a typed static
    # gain that is not a number is refused and the gain stays.
    gain = h.find(main_window, "Amplification statique", "push button")
    wait_text(gain, "1")
    # A box waits for its answer before the press would return: Enter on
    # the focused control opens it instead.
    gain.queryComponent().grabFocus()
    h.wait_for("the gain focused", lambda: h.has_state(gain, pyatspi.STATE_FOCUSED), timeout=5)
    pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
    box = h.window(app, "Entrée de l amplification statique")
    field = h.find(box, "valeur numérique:", "text")
    field.queryEditableText().setTextContents("abc")
    h.act(h.find(box, "OK", "push button"), "Press")
    alert = h.wait_for("the message box",
                       lambda: next((w for w in h.children(app) if h.role(w) == "alert"), None), timeout=5)
    if "Mauvaise entrée" not in [o.name for o, _ in h.walk(alert)]:
        h.fail("the message box reads %s" % [o.name for o, _ in h.walk(alert)])
    h.act(h.find(alert, "OK", "push button"), "Press")
    wait_text(gain, "1")

    # The other windows: spectrum, response, settings (the duty-cycle
    # dialog came with the square wave).
    h.act(h.find(main_window, "Spectre entrée", "check box"), "Toggle")
    h.act(h.find(main_window, "Schéma du filtre", "push button"), "Press")
    h.act(h.find(main_window, "Parametres", "push button"), "Press")
    titles = ["Fourier et filtres", "Graphes temporels", "Signal carré rapport cyclique variable",
              "Spectre(s)", "Réponse du filtre", "Parametres"]
    problems = []
    for title in titles:
        seen = check_tree(h.window(app, title), problems)
        print("%s: %d focusable objects" % (title, seen))
    if problems:
        h.fail("\n  ".join(["objects a screen reader cannot tell apart:"] + problems))

    # Amplitude 3 set to 37 through the value interface: the slider, its
    # read-out and the spectrum follow.
    h.set_value(amp3, 37)
    h.wait_for("amplitude 3 at 37", lambda: h.value(amp3) == 37, timeout=5)
    wait_text(readout3, "37 %")
    h.act(amp3, "Increase")
    h.wait_for("amplitude 3 at 42", lambda: h.value(amp3) == 42, timeout=5)
    h.act(amp3, "Decrease")
    h.wait_for("amplitude 3 back at 37", lambda: h.value(amp3) == 37, timeout=5)

    spectra = h.find(h.window(app, "Spectre(s)"), "Valeurs : Spectre(s)", "table")
    header, rows = h.wait_for("the spectra table showing 37 at rank 3",
                              lambda: (lambda t: t if cell(t[1], "3", 1) == "37" else None)(h.table(spectra)))
    print("spectra:", header, rows)
    if header != ["Rang", "Entrée"] or len(rows) != 13 or cell(rows, "1", 1) != "64":
        h.fail("spectra table %s %s" % (header, rows))

    response = h.window(app, "Réponse du filtre")
    header, rows = h.table(h.find(response, "Mesures", "table"))
    print("measurements:", header, rows)
    if header != ["Mesure", "Entrée", "Sortie"] or [r[0] for r in rows] != [
            "Valeur moyenne", "Valeur efficace", "Efficace alternatif", "Taux de distorsion", "Facteur de crête"]:
        h.fail("measurement table %s %s" % (header, rows))
    if cell(rows, "Valeur moyenne", 1) != "0,5" or any(not c for r in rows for c in r):
        h.fail("measurement values %s" % rows)
    header, rows = h.table(h.find(response, "Valeurs : Réponse du filtre", "table"))
    print("markers:", header, rows)
    if header[0] != "Rang" or [r[0] for r in rows][:3] != ["1", "3", "5"]:
        h.fail("marker table %s %s" % (header, rows))
    picture = h.find(response, "Réponse du filtre", "image")
    if "Gain en dB" not in picture.description:
        h.fail("the response picture's description: \"%s\"" % picture.description)

    header, rows = h.table(h.find(h.window(app, "Graphes temporels"), "Valeurs : Graphes temporels", "table"))
    print("time graph:", header, rows)
    if header != ["Signal", "Minimum", "Maximum", "Moyenne", "Efficace"] or [r[0] for r in rows] != ["Entrée", "Sortie"]:
        h.fail("time-graph table %s %s" % (header, rows))
    print("OK")


if __name__ == "__main__":
    main()
    sys.exit(0)
