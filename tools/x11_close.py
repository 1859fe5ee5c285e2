#!/usr/bin/env python3
"""Asks X11 window WINDOW_ID to close as a window manager's close button does: WM_DELETE_WINDOW."""
import sys

from Xlib import X, display, protocol

screen = display.Display()
window = screen.create_resource_object("window", int(sys.argv[1], 0))
message = protocol.event.ClientMessage(
    window=window, client_type=screen.intern_atom("WM_PROTOCOLS"),
    data=(32, [screen.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
screen.sync()
