#!/usr/bin/python3
"""Clicks a window's close button the way a window manager does: a WM_DELETE_WINDOW message.

Xvfb runs no window manager, so nothing else would deliver it. Usage: close_window.py WINDOW_ID
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main():
    window_id = int(sys.argv[1], 0)
    d = display.Display()
    window = d.create_resource_object("window", window_id)
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    # A client that has not asked for the message would ignore it; fail loudly instead.
    if delete not in (window.get_wm_protocols() or []):
        sys.exit("window %#x does not take WM_DELETE_WINDOW" % window_id)
    message = event.ClientMessage(window=window, client_type=protocols,
                                  data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    d.sync()


if __name__ == "__main__":
    main()
