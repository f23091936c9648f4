#!/usr/bin/python3
"""Drives the test's pad (a FIFO the game's joystick driver reads) and watches the window.

  pad.py FIFO button N              presses button N for 0.15 s
  pad.py FIFO axis N VALUE          moves axis N to VALUE (-32767 .. 32767) and leaves it there
  pad.py FIFO watch WINDOW WxH+X+Y SECONDS EVENT PICTURE.rgb...
      where EVENT is button:N or axis:N:VALUE (the axis is centred again after 0.15 s): the event
      goes out once the first grab is in; the status is 0 as soon as the part of the window matches
      one of the pictures but for a few pixels, 1 after SECONDS.
"""
import os
import re
import struct
import sys
import threading
import time

JS_EVENT_BUTTON, JS_EVENT_AXIS = 1, 2


def send(fifo, kind, number, value):
    # struct js_event: the time in ms, the value, the type, the number.
    event = struct.pack("<IhBB", int(time.monotonic() * 1000) & 0xFFFFFFFF, value, kind, number)
    fd = os.open(fifo, os.O_WRONLY)
    try:
        os.write(fd, event)
    finally:
        os.close(fd)


def act(fifo, event):
    """Sends event (button:N or axis:N:VALUE) down, and 0.15 s later back up or to the centre."""
    parts = event.split(":")
    kind, number = (JS_EVENT_BUTTON if parts[0] == "button" else JS_EVENT_AXIS), int(parts[1])
    send(fifo, kind, number, 1 if kind == JS_EVENT_BUTTON else int(parts[2]))
    time.sleep(0.15)
    send(fifo, kind, number, 0)


def watch(fifo, window_id, geometry, seconds, event, pictures):
    import numpy as np
    from Xlib import X, display

    w, h, x, y = map(int, re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", geometry).groups())
    wanted = [np.fromfile(p, np.uint8).reshape(h, w, 3).astype(int) for p in pictures]
    window = display.Display().create_resource_object("window", window_id)

    def matches():
        data = window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
        part = np.frombuffer(data, np.uint8).reshape(h, w, 4)[:, :, 2::-1].astype(int)
        return any(((np.abs(part - p) > 0.05 * 255).any(2)).sum() <= 500 for p in wanted)

    matched = matches()
    pressing = threading.Thread(target=act, args=(fifo, event))
    pressing.start()
    deadline = time.monotonic() + seconds
    while not matched and time.monotonic() < deadline:
        matched = matches()
    pressing.join()
    return matched


def main():
    fifo, command = sys.argv[1], sys.argv[2]
    if command == "button":
        act(fifo, "button:" + sys.argv[3])
    elif command == "axis":
        send(fifo, JS_EVENT_AXIS, int(sys.argv[3]), int(sys.argv[4]))
    elif command == "watch":
        sys.exit(0 if watch(fifo, int(sys.argv[3], 0), sys.argv[4], float(sys.argv[5]), sys.argv[6], sys.argv[7:]) else 1)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
