# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader sees of the running program, for the end-to-end
scripts run by atspi_lib.sh: finding the program and its objects by name
and role, reading their text, value and state, and acting on them."""

import os
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

APP_NAME = "fourierfiltre"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def program_running():
    pid = os.environ.get("ATSPI_PROGRAM_PID")
    if not pid:
        return True
    try:
        os.kill(int(pid), 0)
        return True
    except OSError:
        return False


def wait_for(what, probe, timeout=15.0, step=0.1):
    """probe() until it gives something true; fails after timeout seconds.
    An object that goes away while the probe reads it (a box closing, a
    window rebuilding its children) is no answer yet: the probe is asked
    again."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except GLib.GError as error:
            if "No such object" not in str(error) and "UnknownObject" not in str(error):
                raise
            found = None
        if found:
            return found
        if not program_running():
            fail("the program ended while waiting for " + what)
        if time.monotonic() > end:
            fail("no " + what + " after %g s" % timeout)
        time.sleep(step)


def wait_app(name=APP_NAME, windows=1, timeout=20.0):
    """The program's application object once it shows `windows` windows.
    Nothing is cached: each read asks the program."""
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and app.childCount >= windows:
                return app
        return None
    app = wait_for("application " + name, probe, timeout)
    try:
        app.set_cache_mask(Atspi.Cache.NONE)
    except Exception:
        pass
    return app


def children(obj):
    out = []
    for i in range(obj.childCount):
        try:
            c = obj.getChildAtIndex(i)
        except Exception:
            c = None
        if c is not None:
            out.append(c)
    return out


def walk(obj, depth=0):
    """obj and everything under it, depth first, with their depth."""
    yield obj, depth
    for c in children(obj):
        yield from walk(c, depth + 1)


def role(obj):
    return obj.getRoleName()


def states(obj):
    return obj.getState()


def has_state(obj, state):
    return obj.getState().contains(state)


def showing(obj):
    return has_state(obj, pyatspi.STATE_SHOWING)


def window(app, title, timeout=10.0):
    """The program's top-level window called `title`."""
    return wait_for("window " + title,
                    lambda: next((w for w in children(app) if w.name == title), None), timeout)


def find(root, name, role_name=None, visible=True, timeout=5.0):
    """The first object under root with this name (and role), waiting for it."""
    def probe():
        for o, _ in walk(root):
            if o.name == name and (role_name is None or role(o) == role_name) and \
                    (not visible or showing(o)):
                return o
        return None
    return wait_for("object \"%s\"%s" % (name, " (%s)" % role_name if role_name else ""), probe, timeout)


def text(obj):
    """The text an object reads out: its text interface, else its name."""
    try:
        t = obj.queryText()
        return t.getText(0, -1)
    except NotImplementedError:
        return obj.name


def value(obj):
    return obj.queryValue().currentValue


def set_value(obj, v):
    obj.queryValue().currentValue = v


def value_range(obj):
    v = obj.queryValue()
    return v.minimumValue, v.maximumValue, v.minimumIncrement


def actions(obj):
    try:
        a = obj.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def act(obj, action):
    a = obj.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == action:
            a.doAction(i)
            return
    fail("\"%s\" has no action %s (it has %s)" % (obj.name, action, actions(obj)))


def table(obj):
    """A table's header and rows, as the cells' texts."""
    t = obj.queryTable()
    header = [t.getColumnDescription(c) for c in range(t.nColumns)]
    rows = []
    for r in range(t.nRows):
        rows.append([text(t.getAccessibleAt(r, c)) for c in range(t.nColumns)])
    return header, rows


def dump(root, limit=500, out=sys.stdout):
    """The tree under root, one object a line, for finding one's way."""
    for n, (o, d) in enumerate(walk(root)):
        if n >= limit:
            break
        extra = ""
        try:
            extra = " value=%s" % value(o)
        except Exception:
            pass
        print("%s%s \"%s\"%s" % ("  " * d, role(o), o.name, extra), file=out)
