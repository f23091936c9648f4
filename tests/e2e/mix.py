"""The game's sound as a player hears it, recorded through ALSA's file plugin.

  mix.py pace OUT
      Copies the recording from stdin to OUT no faster than a sound card plays it, so that the
      game's mixer runs in real time (ALSA's null device would take its output at once).
  mix.py check RAW SOUNDS TITLE_END ESC_AT CUE...
      Checks RAW (16-bit stereo at 44.1 kHz) against the game's WAV files in SOUNDS: the beat
      alone and looping until frame TITLE_END, then every cue identified by its waveform and
      its gain until frame ESC_AT, nothing else in the output, each cue clear above the beat,
      nothing at full scale, and the output ending soon after ESC_AT. Every CUE named (or one
      of A|B) must be among those heard (else, and nothing else wrong, exit 4: the game did not
      play it this time), and prepareToDie first. What plays after ESC is not
      matched: the game stops its voices at some moment of its exit, which a busy machine makes
      late, and the beat the check would go on subtracting is then no longer there.
  mix.py loudest RAW PLAYS
      RAW holds each of PLAYS (lines FILE VOLUME PAN loop|once, as play_voices lists them) played
      alone, in order. Finds the two one-shots that peak highest in the same channel and the same
      direction over the beat's peak there, and prints the play_voices group that starts all
      three with their peaks meeting, then the channel, the direction and the sum of the three
      peaks as measured alone.
  mix.py meets RAW CHANNEL SIGN SUM
      Checks RAW, that group played: the three peaks met (the output reached SUM in CHANNEL in
      the direction SIGN; else exit 3: the mixer started the voices in different passes, try
      again) and nothing reached full scale.
"""
import itertools
import sys
import time
import wave
from pathlib import Path

RATE, FRAME_BYTES = 44100, 4
BEAT_DB = (-30.0, -22.0)  # the beat alone, RMS over its loop
CUE_OVER_BEAT_DB = 6.0  # every cue over its own length, in its louder channel
FULL_SCALE = 32767
EXACT_LSB = 4  # what the mix may differ from the beat plus the cues found, by rounding
MIN_GAIN = 0.05  # a tenth of the quietest gain a cue is played at: a match below explains nothing
BOUT_START_S = 1.5  # from ENTER to prepareToDie, with the sound card's latency
SHUTDOWN_S = 1.5  # from ESC to the end of the output
MEET_LSB = 8  # what voices meeting may differ from the sum of their peaks alone, by rounding


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
    # Where the mixer cut the sum at full scale, the cues no longer add up: those frames are
    # reported above and left out of the matching, which would otherwise try cue after cue there.
    fits = np.abs(x).max(1) < FULL_SCALE
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

    active = np.flatnonzero((np.abs(rest).max(1) > EXACT_LSB) & fits)
    while len(active):
        if len(heard) == 40:
            problems.append("more than 40 cues, or a sound that no cue explains")
            break
        lo = max(title_end, active[0] - RATE // 4)
        end = min(len(x), active[0] + longest + RATE // 4)
        seg = rest[lo:end] * fits[lo:end, None]
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
                s = cues[h[1]][:played] * fits[h[0]:h[0] + played]
                h[2] = s @ rest[h[0]:h[0] + played] / max(s @ s, 1)
                add(h, 1)
        if heard[-1][2].max() < MIN_GAIN:
            problems.append(f"a sound at {active[0] / RATE:.2f} s that no cue explains")
            heard.pop()
            break
        active = np.flatnonzero((np.abs(rest).max(1) > EXACT_LSB) & fits)

    heard.sort(key=lambda h: h[0])
    order = [n for _, n, _ in heard]
    if not order or order[0] != "prepareToDie" or heard[0][0] > title_end + BOUT_START_S * RATE:
        problems.append(f"the bout does not open with prepareToDie: {order}")
    missing = [f"{e} was not heard" for e in expected if not set(e.split("|")) & set(order)]
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
    for p in problems + missing:
        print("FAIL:", p)
    sys.exit(1 if problems else 4 if missing else 0)


def samples(path):
    import numpy as np

    with wave.open(str(path)) as w:
        return np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(int)


def loudest(raw, plays):
    import numpy as np

    x = np.fromfile(raw, "<i2").reshape(-1, 2).astype(int)
    rows = [line.split() for line in open(plays)]
    sides = [(c, sign) for c in (0, 1) for sign in (1, -1)]
    # Each sound starts at the first sound after the one before it has ended (a mixer that plays
    # a 22 050 Hz sample at 44 100 Hz), and silence follows it.
    at, peaks = 0, []
    for file, volume, pan, _ in rows:
        n = 2 * len(samples(file))
        heard = np.flatnonzero(np.abs(x[at:]).max(1))
        if not len(heard):
            sys.exit(f"FAIL: {file} at volume {volume}, pan {pan} was not heard")
        start = at + heard[0]
        at = start + n + 2
        if np.abs(x[at:at + RATE // 20]).max(initial=0):
            sys.exit(f"FAIL: {file} at volume {volume}, pan {pan} does not end when its sample does")
        peaks.append({side: (side[1] * x[start:at, side[0]]).max() for side in sides})
    beds = [i for i, r in enumerate(rows) if r[3] == "loop"]
    cues = [i for i, r in enumerate(rows) if r[3] == "once"]
    if len(beds) != 1 or len(cues) < 2:
        sys.exit(f"FAIL: not one loop and two sounds or more: {rows}")
    bed = beds[0]
    reach, side, a, b = max((peaks[bed][side] + peaks[a][side] + peaks[b][side], side, a, b)
                            for side in sides for a, b in itertools.combinations(cues, 2))
    for i in bed, a, b:
        print(f"{' '.join(rows[i][:3])}: peak {peaks[i][side]}", file=sys.stderr)
    # Where each sample peaks; the later peak of the two cues sets when all three meet.
    top = {i: int(np.argmax(side[1] * samples(rows[i][0]))) for i in (bed, a, b)}
    meet = min(top[a], top[b])
    group = [":".join(rows[i][:3] + [str((top[i] - meet) % len(samples(rows[i][0])))]) for i in (bed, a, b)]
    print(",".join([group[0] + ":loop"] + group[1:]), side[0], side[1], reach)


def meets(raw, channel, sign, reach):
    import numpy as np

    x = np.fromfile(raw, "<i2").reshape(-1, 2).astype(int)
    met, top = (sign * x[:, channel]).max(initial=0), np.abs(x).max(initial=0)
    print(f"met at {met} (the three alone: {reach}); output peak {top}, "
          f"{20 * np.log10(FULL_SCALE / max(top, 1)):.2f} dB under full scale")
    if top >= FULL_SCALE:
        sys.exit("FAIL: two cues over the beat reach full scale")
    if met < reach - MEET_LSB:
        print("the peaks did not meet: the mixer started the voices in different passes")
        sys.exit(3)


if __name__ == "__main__":
    if sys.argv[1:2] == ["pace"]:
        pace(sys.argv[2])
    elif sys.argv[1:2] == ["loudest"]:
        loudest(sys.argv[2], sys.argv[3])
    elif sys.argv[1:2] == ["meets"]:
        meets(sys.argv[2], *map(int, sys.argv[3:6]))
    else:
        check(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]), sys.argv[6:])
