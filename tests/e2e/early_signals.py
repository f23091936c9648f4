#!/usr/bin/python3
"""Starts the game again and again, each time with a stop signal a few milliseconds after it
started, and says how each run ended. Usage: early_signals.py RUNS MAX_MS COMMAND...

Prints one line a run: the delay, the signal, and "exit N" or "signal N". Every run ends within
30 s (SIGKILL after that, reported as such).
"""
import signal
import subprocess
import sys
import time

runs, max_ms, command = int(sys.argv[1]), float(sys.argv[2]), sys.argv[3:]
# A script's background jobs start with these ignored; the game gets them as from a terminal.
for number in (signal.SIGINT, signal.SIGQUIT):
    signal.signal(number, signal.SIG_DFL)
# SIGQUIT is left out: its default action, which is all there is before the game's first
# instruction, writes a core file.
kinds = (signal.SIGTERM, signal.SIGINT, signal.SIGHUP)
for run in range(runs):
    delay = max_ms * run / max(runs - 1, 1)
    kind = kinds[run % len(kinds)]
    game = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    time.sleep(delay / 1000)
    game.send_signal(kind)
    try:
        code = game.wait(30)
    except subprocess.TimeoutExpired:
        game.kill()
        code = game.wait()
        print("%.1f ms %d hung" % (delay, kind), flush=True)
        continue
    print("%.1f ms %d %d %s" % (delay, kind, game.pid, "signal %d" % -code if code < 0 else "exit %d" % code),
          flush=True)
