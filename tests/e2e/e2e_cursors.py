# SPDX-License-Identifier: GPL-3.0-or-later
"""The measuring cursor of the time graph as a screen-reader user meets it,
run by atspi_lib.sh: "Carré" on the main window, a click in the time graph
shows cursor 1, its read-out ("Curseurs du graphe temporel") is read
through the accessibility tree, then Right and Left move it by one pixel
each. The mouse and keys go through xdotool."""

import subprocess
import time

import atspi_helper as at


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def x_window(title):
    def probe():
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                             capture_output=True, text=True).stdout.split()
        return out[0] if out else None
    return at.wait_for("X window " + title, probe, 20.0)


def click_in(win, x, y):
    geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", win).split())
    xdotool("mousemove", "--sync", str(int(geometry["X"]) + x), str(int(geometry["Y"]) + y), "click", "1")
    time.sleep(0.5)


PREFIXES = ("t (s), Curseur 1 : ", "Entrée, Curseur 1 : ")


def read_cursor(app, before=None):
    """The instant and the input's value the read-out's labels are named
    with, once they differ from `before`."""
    def probe():
        for w in at.children(app):
            if w.name != "Curseurs du graphe temporel":
                continue
            found = {}
            for o, _ in at.walk(w):
                for p in PREFIXES:
                    if o.name.startswith(p):
                        found[p] = o.name[len(p):]
            if len(found) == len(PREFIXES):
                values = tuple(found[p] for p in PREFIXES)
                if values != before:
                    return values
        return None
    return at.wait_for("the cursor's read-out", probe, 10.0)


app = at.wait_app()
main = x_window("Fourier et filtres")
graph = x_window("Graphes temporels")
time.sleep(1)
click_in(main, 136, 16)   # "Carré"
click_in(graph, 158, 130)  # in the picture, which starts at (8, 64)
first = read_cursor(app)
print("after the click:", first)
xdotool("key", "--window", graph, "Right")
second = read_cursor(app, first)
print("after Right:", second)
xdotool("key", "--window", graph, "Left", "Left")
third = read_cursor(app, second)
print("after Left Left:", third)
# The instants as read (three significant digits): one pixel of the default
# graph, some 11 ms over about 460 columns, is 24 microseconds.
t = [float(v[0]) for v in (first, second, third)]
if not (0 < t[1] - t[0] < 4e-5 and 0 < t[0] - t[2] < 4e-5):
    at.fail("the arrows did not move the cursor by one pixel each: %s" % t)
if not at.program_running():
    at.fail("the program ended")
print("1 passed, 0 failed")
