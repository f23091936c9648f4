"""The game's sound as a player hears it, recorded through ALSA's file plugin.

  mix.py pace OUT
      Copies the recording from stdin to OUT no faster than a sound card plays it, so that the
      game's mixer runs in real time (ALSA's null device would take its output at once).
  mix.py check RAW SOUNDS TITLE_END ESC_AT CUE...
      Checks RAW (16-bit stereo at 44.1 kHz) against the game's WAV files in SOUNDS: the beat
      alone and looping until frame TITLE_END, then every cue identified by its waveform and
      its gain until frame ESC_AT, nothing else in the output, each cue clear above the beat,
      nothing at full scale, and the output ending soon after ESC_AT. Every CUE named (or one
      of A|B) must be among those heard, and prepareToDie first. What plays after ESC is not
      matched: the game stops its voices at some moment of its exit, which a busy machine makes
      late, and the beat the check would go on subtracting is then no longer there.
"""
import sys
import time
import wave
from pathlib import Path

RATE, FRAME_BYTES = 44100, 4
BEAT_DB = (-30.0, -22.0)  # the beat alone, RMS over its loop
CUE_OVER_BEAT_DB = 6.0  # every cue over its own length, in its louder channel
FULL_SCALE = 32767
EXACT_LSB = 4  # what the mix may differ from the beat plus the cues found, by rounding
BOUT_START_S = 1.5  # from ENTER to prepareToDie, with the sound card's latency
SHUTDOWN_S = 1.5  # from ESC to the end of the output


def pace(out):
    start, done = time.monotonic(), 0
    with open(out, "wb", buffering=0) as f:
        while chunk := sys.stdin.buffer.read1(4096):
            f.write(chunk)
            done += len(chunk)
            time.sleep(max(0.0, start + done / (RATE * FRAME_BYTES) - time.monotonic()))


def check(raw, sounds, title_end, esc_at, expected):
    import numpy as np

    def db(v):
        return 20 * np.log10(max(v, 1e-9) / 32768)

    def load(path):
        # The mixer plays a 22 050 Hz sample at 44 100 Hz, halfway samples interpolated.
        with wave.open(str(path)) as w:
            s = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(float)
        up = np.empty(2 * len(s))
        up[0::2], up[1::2] = s, (s + np.append(s[1:], 0)) / 2
        return up

    problems = []
    x = np.fromfile(raw, "<i2").reshape(-1, 2).astype(float)
    recorded = len(x)
    if np.abs(x).max() >= FULL_SCALE:
        problems.append(f"the output reaches full scale at {np.abs(x).max(1).argmax() / RATE:.2f} s")
    x = x[:esc_at]
    cues = {p.stem: load(p) for p in sorted(Path(sounds).glob("*.wav"))}
    beat = cues.pop("bg_beat")
    period = len(beat)
    start = int(np.flatnonzero(np.abs(x).sum(1))[0]) if x.any() else len(x)
    if start + period + RATE // 4 > title_end:
        sys.exit(f"FAIL: the title's recording holds no whole loop of the beat ({start}..{title_end})")
    loop = x[start:start + period]
    beat_db = db(np.sqrt((loop ** 2).mean(0)).max())
    beat_peak = np.abs(loop).max()
    print(f"beat: {beat_db:.1f} dBFS RMS, peak {beat_peak:.0f}")
    if not BEAT_DB[0] <= beat_db <= BEAT_DB[1]:
        problems.append(f"the beat is at {beat_db:.1f} dBFS, not within {BEAT_DB}")

    # What the beat alone would have played; the rest is the cues.
    rest = x.copy()
    rest[start:] -= loop[(np.arange(start, len(x)) - start) % period]
    if np.abs(rest[:title_end]).max() > EXACT_LSB:
        problems.append("the title plays more than the beat, or the beat does not loop exactly")

    # Cue after cue, the waveform and place that explain most of what is left; after each, every
    # cue found so far is fitted again, so that cues which overlap share the sound rightly.
    names = list(cues)
    longest = max(len(s) for s in cues.values())
    energy = {n: np.cumsum(s ** 2) for n, s in cues.items()}
    spectra = {}  # by transform size: each cue's, conjugated
    heard = []  # [frame, name, gains]

    def add(h, sign):
        played = min(len(cues[h[1]]), len(x) - h[0])
        rest[h[0]:h[0] + played] -= sign * np.outer(cues[h[1]][:played], h[2])
        return played

    active = np.flatnonzero(np.abs(rest).max(1) > EXACT_LSB)
    while len(active):
        if len(heard) == 40:
            problems.append("more than 40 cues, or a sound that no cue explains")
            break
        lo = max(title_end, active[0] - RATE // 4)
        seg = rest[lo:min(len(x), active[0] + longest + RATE // 4)]
        size = 1 << int(np.ceil(np.log2(len(seg) + longest)))
        spectrum = np.fft.rfft(seg, size, axis=0)
        # A cue cut short by the end of the recording is matched on what it played, if it
        # played 10 ms.
        inside = np.maximum(len(x) - lo - np.arange(len(seg)), RATE // 100)
        if size not in spectra:
            spectra[size] = {n: np.conj(np.fft.rfft(cues[n], size))[:, None] for n in names}
        best = (0,)
        for n in names:
            c = np.fft.irfft(spectrum * spectra[size][n], size, axis=0)[:len(seg)]
            explained = (c ** 2).sum(1) / np.maximum(energy[n][np.minimum(len(cues[n]), inside) - 1], 1)
            k = int(np.argmax(explained))
            best = max(best, (explained[k], n, lo + k))
        heard.append([best[2], best[1], np.zeros(2)])
        for _ in range(4):
            for h in heard:
                played = add(h, -1)
                s = cues[h[1]][:played]
                h[2] = s @ rest[h[0]:h[0] + played] / (s @ s)
                add(h, 1)
        active = np.flatnonzero(np.abs(rest).max(1) > EXACT_LSB)

    heard.sort(key=lambda h: h[0])
    order = [n for _, n, _ in heard]
    if not order or order[0] != "prepareToDie" or heard[0][0] > title_end + BOUT_START_S * RATE:
        problems.append(f"the bout does not open with prepareToDie: {order}")
    problems += [f"{e} was not heard" for e in expected if not set(e.split("|")) & set(order)]
    for at, n, gains in heard:
        level, peak = db(gains.max() * np.sqrt((cues[n] ** 2).mean())), gains.max() * np.abs(cues[n]).max()
        print(f"{n:13} at {at / RATE:5.2f} s, gains {gains[0]:.3f} {gains[1]:.3f}: {level:5.1f} dBFS RMS, "
              f"{level - beat_db:4.1f} dB over the beat, peak {peak:5.0f}, {peak + beat_peak:5.0f} with it")
        if level < beat_db + CUE_OVER_BEAT_DB:
            problems.append(f"{n} at {at / RATE:.2f} s is only {level - beat_db:.1f} dB above the beat")
        if peak + beat_peak >= FULL_SCALE:
            problems.append(f"{n} over the beat can reach full scale")
    print(f"output peak {np.abs(x).max():.0f}, {recorded / RATE:.2f} s, ESC at {esc_at / RATE:.2f} s")
    if recorded > esc_at + SHUTDOWN_S * RATE:
        problems.append(f"sound went on {(recorded - esc_at) / RATE:.2f} s after ESC")
    for p in problems:
        print("FAIL:", p)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    if sys.argv[1:2] == ["pace"]:
        pace(sys.argv[2])
    else:
        check(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]), sys.argv[6:])
