#!/usr/bin/python3
"""Gives the keyboard focus to whatever window the pointer is over (X's PointerRoot), as a
session whose focus follows the pointer does, and as X does when a focused window goes and its
focus reverts there. Usage: focus_root.py  (on $DISPLAY)"""
from Xlib import X, display

screen = display.Display()
screen.set_input_focus(X.PointerRoot, X.RevertToPointerRoot, X.CurrentTime)
screen.sync()
