#!/usr/bin/python3
"""Runs the game for a test and records how it ended: a shell's status can't tell exit(143)
from death by SIGTERM. Usage: run_game.py RECORD SECONDS COMMAND...

Writes the game's pid to RECORD.pid, and at its end its exit status, or "signal N", to RECORD.
The game is stopped (SIGTERM, then SIGKILL) if it outlives SECONDS or when this runner is.
"""
import signal
import subprocess
import sys

record, seconds, command = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
# Jobs a script starts in the background get these ignored; the game must get them as from a
# terminal (a test that wants one ignored puts `env --ignore-signal=...` in the command).
for number in (signal.SIGINT, signal.SIGQUIT):
    signal.signal(number, signal.SIG_DFL)
game = subprocess.Popen(command)
with open(record + ".pid", "w") as f:
    f.write("%d\n" % game.pid)
signal.signal(signal.SIGTERM, lambda *_: game.terminate())
try:
    code = game.wait(seconds)
except subprocess.TimeoutExpired:
    game.terminate()
    try:
        code = game.wait(5)
    except subprocess.TimeoutExpired:
        game.kill()
        code = game.wait()
with open(record, "w") as f:
    f.write("signal %d\n" % -code if code < 0 else "%d\n" % code)
