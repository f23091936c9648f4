#!/usr/bin/python3
"""Taps a key for 15 ms through the X server, again and again, and counts the taps the game
acted on: each tap is made while the hero stands free to act, and acted on when his pose for
that key shows in the window soon after. A tap that a blow crossed found him busy, where a tap
is lost by the rules: it is made again and not counted. A blow crossed it when the life bar
moved before the pose showed and within BUSY seconds of the press (the blow landed before the
next logic tick); a blow landing later is the enemy's answer to a tap lost while he stood idle.
What the window shows lags the game by as much as the machine is busy: both limits grow by the
slowest answer seen so far, so a loaded machine widens them and an idle one keeps them tight.
Usage:
  tap_count.py WINDOW KEY TAPS SECONDS BUSY WxH+X+Y STAND.rgb ACTED.rgb
SECONDS is how long a pose may take to show; the pictures are the part WxH+X+Y of a frame the
game's own composer drew with the hero standing, and acting. Prints "acted on A of N taps";
the status is 0 when every tap was acted on.
"""
import re
import sys
import time

import numpy as np
from Xlib import X, XK, display
from Xlib.ext import xtest

DIFFERENT = 0.05 * 255
TOLERATED = 500
LIFE_ROW = (76, 25, 200)  # x, y, width: a row through the life bar


def main():
    window_id, key, taps = int(sys.argv[1], 0), sys.argv[2], int(sys.argv[3])
    seconds, busy = float(sys.argv[4]), float(sys.argv[5])
    w, h, x, y = map(int, re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", sys.argv[6]).groups())
    stand, acted_pose = (np.fromfile(p, np.uint8).reshape(h, w, 3).astype(int) for p in sys.argv[7:9])
    d = display.Display()
    window = d.create_resource_object("window", window_id)
    keycode = d.keysym_to_keycode(XK.string_to_keysym(key))

    def grab(gx, gy, gw, gh):
        data = window.get_image(gx, gy, gw, gh, X.ZPixmap, 0xFFFFFFFF).data
        return np.frombuffer(data, np.uint8).reshape(gh, gw, 4)[:, :, 2::-1].astype(int)

    def shows(picture):
        return ((np.abs(grab(x, y, w, h) - picture) > DIFFERENT).any(2)).sum() <= TOLERATED

    def life():
        return grab(LIFE_ROW[0], LIFE_ROW[1], LIFE_ROW[2], 1).tobytes()

    def until(test, limit):
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            if test():
                return True
        return False

    acted = made = 0
    slowest = 0.0  # the longest a pose took to show after its tap
    while made < taps:
        if not until(lambda: shows(stand), 20):
            print("the hero never stood free again", file=sys.stderr)
            break
        before = life()
        pressed = time.monotonic()
        xtest.fake_input(d, X.KeyPress, keycode)
        d.sync()
        time.sleep(0.015)
        xtest.fake_input(d, X.KeyRelease, keycode)
        d.sync()
        seen, hit_at = False, None
        deadline = pressed + seconds + 3 * slowest
        while not seen and hit_at is None and time.monotonic() < deadline:
            seen = shows(acted_pose)
            if not seen and life() != before:
                hit_at = time.monotonic() - pressed
        if seen:
            slowest = max(slowest, time.monotonic() - pressed)
        if hit_at is not None and hit_at <= busy + slowest:
            continue  # a blow made him busy: the tap was rightly lost
        made += 1
        acted += seen
        if not seen:
            print("tap %d lost%s" % (made, "" if hit_at is None else ", hit %.2f s after the press" % hit_at),
                  file=sys.stderr)
    print("acted on %d of %d taps (the slowest pose showed %.2f s after its tap)" % (acted, made, slowest))
    return 0 if acted == taps else 1


if __name__ == "__main__":
    sys.exit(main())
