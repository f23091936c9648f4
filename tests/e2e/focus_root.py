#!/usr/bin/python3
"""Gives the keyboard focus to whatever window the pointer is over (X's PointerRoot), as a
session whose focus follows the pointer does. Given a window, gives it the focus instead, to
fall back to the pointer when that window goes, as a popup's focus does.
Usage: focus_root.py [WINDOW-ID]  (on $DISPLAY)"""
import sys

from Xlib import X, display

screen = display.Display()
target = screen.create_resource_object("window", int(sys.argv[1])) if len(sys.argv) > 1 else X.PointerRoot
screen.set_input_focus(target, X.RevertToPointerRoot, X.CurrentTime)
screen.sync()
