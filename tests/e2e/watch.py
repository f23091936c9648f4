#!/usr/bin/python3
"""Presses a key and watches part of a window for a picture, as fast as the X server answers.

A pose that lasts a quarter of a second is missed by screenshots a busy machine takes a second
apart; this grabs the part in a loop. Usage:
  watch.py WINDOW WxH+X+Y SECONDS KEY PICTURE.rgb...
The key goes down once the first grab is in (up 0.15 s later); the status is 0 as soon as the
part matches one of the pictures (raw 8-bit RGB, W x H) but for a few pixels, 1 after SECONDS.
"""
import re
import subprocess
import sys
import time

import numpy as np
from Xlib import X, display

DIFFERENT = 0.05 * 255  # a channel further off than this makes a pixel differ
TOLERATED = 500  # pixels that may differ


def main():
    window_id = int(sys.argv[1], 0)
    w, h, x, y = map(int, re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", sys.argv[2]).groups())
    seconds, key = float(sys.argv[3]), sys.argv[4]
    pictures = [np.fromfile(p, np.uint8).reshape(h, w, 3).astype(int) for p in sys.argv[5:]]
    window = display.Display().create_resource_object("window", window_id)

    def grab():
        # A 24-bit visual stores a pixel as 32 bits, blue first.
        data = window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
        return np.frombuffer(data, np.uint8).reshape(h, w, 4)[:, :, 2::-1].astype(int)

    def matches(part):
        return any(((np.abs(part - p) > DIFFERENT).any(2)).sum() <= TOLERATED for p in pictures)

    matched = matches(grab())
    press = subprocess.Popen(["xdotool", "keydown", "--window", str(window_id), key, "sleep", "0.15",
                              "keyup", "--window", str(window_id), key], stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + seconds
    while not matched and time.monotonic() < deadline:
        matched = matches(grab())
    press.wait()
    sys.exit(0 if matched else 1)


if __name__ == "__main__":
    main()
