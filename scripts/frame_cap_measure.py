#!/usr/bin/python3
"""Measures one running game for scripts/frame-cap-benchmark.sh, from the outside.

Usage: frame_cap_measure.py GAME_PID XSERVER_PID WINDOW SECONDS PRESSES
The game shows its title. Prints one line of tab-separated numbers:
  title: the game's CPU, the X server's CPU (each in % of one core), frames a second shown;
  bout (ENTER, then D pressed every 0.5 s): the same three;
  key to screen (PRESSES presses of D in the bout): median and 90th percentile, in ms.
Frames shown are the window's updates as the X server reports them (its DAMAGE extension).
"""
import os
import random
import statistics
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import damage, xtest

TICKS = os.sysconf("SC_CLK_TCK")
# The hero's middle, where his stand gives way to his first pose (the stand origin is 412, 284).
HERO = (437, 300, 150, 300)
CHANGED = 500  # pixels that must differ for a new pose


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


class Frames:
    """Counts the window's updates: one DamageNotify without the 'more' bit per request."""

    def __init__(self, window_id):
        self.d = display.Display()
        # The server takes no other request of the extension before this one.
        self.d.damage_query_version()
        window = self.d.create_resource_object("window", window_id)
        self.damage = window.damage_create(damage.DamageReportRawRectangles)
        self.d.sync()
        self.count = 0

    def drain(self):
        while self.d.pending_events():
            event = self.d.next_event()
            if event.__class__.__name__ == "DamageNotify" and not event.level & 0x80:
                self.count += 1


class Keys:
    def __init__(self):
        self.d = display.Display()

    def hold(self, name, seconds=0.2):
        """A press as long as a player's: the game reads the keys' state, once a frame at most."""
        self.tap(name, True)
        time.sleep(seconds)
        self.tap(name, False)

    def tap(self, name, down):
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.d, X.KeyPress if down else X.KeyRelease, code)
        self.d.sync()


def measure(pids, frames, seconds, during=None):
    """CPU of each pid in % of a core and frames a second over SECONDS; calls during(t) meanwhile."""
    frames.drain()
    before = [cpu_seconds(p) for p in pids]
    counted = frames.count
    start = time.monotonic()
    while (elapsed := time.monotonic() - start) < seconds:
        if during:
            during(elapsed)
        frames.drain()
        time.sleep(0.005)
    wall = time.monotonic() - start
    frames.drain()
    cpu = [100 * (cpu_seconds(p) - b) / wall for p, b in zip(pids, before)]
    return cpu + [(frames.count - counted) / wall]


def grab(window):
    x, y, w, h = HERO
    return window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data


def differing(a, b):
    return sum(1 for i in range(0, len(a), 4) if a[i:i + 3] != b[i:i + 3])


def latencies(window, keys, presses, frames):
    samples, moving, unseen = [], 0, 0
    deadline = time.monotonic() + 10 * presses
    while len(samples) < presses and time.monotonic() < deadline:
        # Between presses the hero must stand still: two grabs alike a tenth of a second apart.
        time.sleep(0.5 + random.random() * 0.1)
        frames.drain()
        still = grab(window)
        time.sleep(0.1)
        if differing(still, grab(window)) > CHANGED:
            moving += 1
            continue
        keys.tap("d", True)
        pressed = time.monotonic()
        seen = False
        while not seen and time.monotonic() - pressed < 1.0:
            seen = differing(still, grab(window)) > CHANGED
        if seen:
            samples.append(1000 * (time.monotonic() - pressed))
        keys.tap("d", False)
        unseen += not seen
        if not seen:  # the hero is down, or the title is back: on to the next bout
            keys.hold("Return")
    print(f"key to screen: {len(samples)} presses shown; {unseen} not shown within 1 s (the hero hit or down), "
          f"{moving} not made (the hero not still)", file=sys.stderr)
    samples.sort()
    return [statistics.median(samples), samples[int(0.9 * (len(samples) - 1) + 0.5)]]


def main():
    game, xserver, window_id = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3], 0)
    seconds, presses = float(sys.argv[4]), int(sys.argv[5])
    frames, keys = Frames(window_id), Keys()
    window = display.Display().create_resource_object("window", window_id)
    # Keys go where the focus is; without a window manager nothing gives it to the game.
    keys.d.set_input_focus(window_id, X.RevertToPointerRoot, X.CurrentTime)
    keys.d.sync()
    title = measure([game, xserver], frames, seconds)
    keys.hold("Return", 0.3)
    time.sleep(1.0)
    held = [False]

    def press_d(t):
        down = (t % 0.5) < 0.1
        if down != held[0]:
            keys.tap("d", down)
            held[0] = down

    bout = measure([game, xserver], frames, seconds, press_d)
    if held[0]:
        keys.tap("d", False)
    keys_to_screen = latencies(window, keys, presses, frames)
    print("\t".join(f"{v:.1f}" for v in title + bout + keys_to_screen))


if __name__ == "__main__":
    main()
