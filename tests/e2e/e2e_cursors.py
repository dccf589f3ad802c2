# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the time-graph cursor's instant and the input's value as a screen
reader reads them: the labels of the window "Curseurs du graphe temporel",
named "t (s), Curseur 1 : <value>" and "Entrée, Curseur 1 : <value>".
Waits up to 10 s for them; fails (status 1) without them."""

import sys
import time

import pyatspi

PREFIXES = ("t (s), Curseur 1 : ", "Entrée, Curseur 1 : ")


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def readout():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.get_process_id() != int(sys.argv[1]):
            continue
        for w in (app.getChildAtIndex(j) for j in range(app.childCount)):
            if w is None or w.name != "Curseurs du graphe temporel":
                continue
            found = {}
            for o in walk(w):
                for p in PREFIXES:
                    if o.name.startswith(p):
                        found[p] = o.name[len(p):]
            if len(found) == len(PREFIXES):
                return [found[p] for p in PREFIXES]
    return None


end = time.monotonic() + 10
while True:
    values = readout()
    if values:
        print(" ".join(values))
        sys.exit(0)
    if time.monotonic() > end:
        print("FAIL: no read-out of the cursor in the accessibility tree", file=sys.stderr)
        sys.exit(1)
    time.sleep(0.2)
