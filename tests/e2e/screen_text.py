#!/usr/bin/python3
"""Reads the words a window shows in the game's own lettering, as a player would read them.

The lettering is the game's font picture (images/lettering.pcx): every glyph is known to the
pixel, so a part of the screen is read by matching glyphs left to right along each line of ink
in the colours given. Usage:
  screen_text.py read WINDOW [WxH+X+Y]                 prints each line read, top to bottom
  screen_text.py wait SECONDS WINDOW PATTERN [WxH+X+Y] prints the first line PATTERN (a regular
                                                       expression) is found in, exit 0; or 1 after SECONDS
  screen_text.py gone SECONDS WINDOW PATTERN [WxH+X+Y] exits 0 once no line holds PATTERN, else 1
Words side by side in two columns are read as one line when their rows meet: give the part of
the window that holds one column.
The words are read in the game's colours: cream, gold and the key caps' letters.
"""
import os
import re
import subprocess
import sys
import time

import numpy as np
from Xlib import X, display

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
INKS = [(255, 226, 160), (255, 200, 60), (70, 24, 16)]
FENCE = (255, 255, 0)
HEIGHT = 16


def load_glyphs():
    """The glyphs of the font picture, widest first: (character, 16 x w array of ink)."""
    out = subprocess.run(["convert", os.path.join(REPO, "images/lettering.pcx"), "-format", "%w %h\n",
                          "-write", "info:-", "rgb:-"], capture_output=True, check=True).stdout
    head, raw = out.split(b"\n", 1)
    w, h = map(int, head.split())
    picture = np.frombuffer(raw[: w * h * 3], np.uint8).reshape(h, w, 3)
    fence = (picture == FENCE).all(2)
    glyphs, ch = [], 32
    for top in range(1, h, HEIGHT + 1):
        x = 1
        while x < w and not fence[top, x]:
            right = x
            while right < w and not fence[top, right]:
                right += 1
            ink = ~fence[top:top + HEIGHT, x:right] & (picture[top:top + HEIGHT, x:right] == 255).all(2)
            glyphs.append((chr(ch), ink))
            ch += 1
            x = right + 1
    return sorted(glyphs, key=lambda g: -g[1].shape[1])


GLYPHS = load_glyphs()
SPACE = next(g[1].shape[1] for g in GLYPHS if g[0] == " ")


def read_line(ink, top):
    """The text of the line whose glyphs' top row is `top`, and how much ink it left unread."""
    band = ink[top:top + HEIGHT]
    if band.shape[0] < HEIGHT:
        return "", int(band.sum())
    used = band.any(0)
    text, x, unread, blank = "", 0, 0, 0
    width = band.shape[1]
    while x < width:
        if not used[x]:
            x += 1
            blank += 1
            continue
        if text and blank >= SPACE // 2:
            text += " " * max(1, (blank + SPACE // 2) // SPACE)
        blank = 0
        for ch, glyph in GLYPHS:
            w = glyph.shape[1]
            part = band[:, x:x + w]
            if part.shape[1] == w and (part == glyph).all() and glyph.any():
                text += ch
                x += w
                break
        else:
            unread += int(band[:, x].sum())
            x += 1
    return text, unread


def read(picture):
    """Each line of words in the picture (h x w x 3), top to bottom."""
    ink = np.zeros(picture.shape[:2], bool)
    for colour in INKS:
        ink |= (picture == colour).all(2)
    rows = ink.any(1)
    lines, y = [], 0
    while y < len(rows):
        if not rows[y]:
            y += 1
            continue
        end = y
        while end < len(rows) and rows[end]:
            end += 1
        best = ("", 1 << 30)
        for top in range(max(0, end - HEIGHT), y + 1):
            text, unread = read_line(ink, top)
            if (unread, -len(text)) < (best[1], -len(best[0])):
                best = (text, unread)
        if best[0].strip():
            lines.append(best[0].strip())
        y = end
    return lines


def grab(window_id, geometry=None):
    window = display.Display().create_resource_object("window", window_id)
    if geometry:
        w, h, x, y = map(int, re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", geometry).groups())
    else:
        g = window.get_geometry()
        w, h, x, y = g.width, g.height, 0, 0
    data = window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
    # A 24-bit visual stores a pixel as 32 bits, blue first.
    return np.frombuffer(data, np.uint8).reshape(h, w, 4)[:, :, 2::-1]


def main():
    mode = sys.argv[1]
    if mode == "read":
        for line in read(grab(int(sys.argv[2], 0), sys.argv[3] if len(sys.argv) > 3 else None)):
            print(line)
        return 0
    seconds, window_id, pattern = float(sys.argv[2]), int(sys.argv[3], 0), re.compile(sys.argv[4])
    geometry = sys.argv[5] if len(sys.argv) > 5 else None
    deadline = time.monotonic() + seconds
    while True:
        lines = read(grab(window_id, geometry))
        found = [line for line in lines if pattern.search(line)]
        if bool(found) == (mode == "wait"):
            if found:
                print(found[0])
            return 0
        if time.monotonic() > deadline:
            print("\n".join(lines), file=sys.stderr)
            return 1
        time.sleep(0.02)


if __name__ == "__main__":
    sys.exit(main())
