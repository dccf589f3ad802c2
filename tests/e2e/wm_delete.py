#!/usr/bin/python3
"""Asks an X window to close as a window manager does when the user clicks
its close box: a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW.
Usage: wm_delete.py WINDOW_ID"""
import sys

from Xlib import X, display, protocol

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
wm_protocols = d.intern_atom("WM_PROTOCOLS")
wm_delete = d.intern_atom("WM_DELETE_WINDOW")
if wm_delete not in (window.get_wm_protocols() or []):
    sys.exit("the window does not take WM_DELETE_WINDOW")
message = protocol.event.ClientMessage(window=window, client_type=wm_protocols,
                                       data=(32, [wm_delete, X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
d.flush()
