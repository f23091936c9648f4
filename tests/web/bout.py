"""A bout in the page: ENTER starts it (its life bar drawn), the beat and the cues reach Web
Audio, D shows the hero's wind-up exactly as the game composes it, P pauses and goes on, and
ESC ends the game with the page saying so. Prints the bout's frames a second and CPU.
Usage: bout.py PATH/TO/ryke_replay.js (the bout runner under node, which composes the wind-up)"""
import os
import subprocess
import sys
import tempfile
import time

from page import LIFE, LIFE_GREEN, Page, crop, differing, fail, png, read_bmp

# The hero stands in the middle; his high wind-up facing left fills this strip.
STRIP = (412, 300, 200, 300)
# The band across the frame where the "Paused" sign stands.
SIGN = (0, 200, 1024, 100)

work = tempfile.mkdtemp(prefix='ryke-web-bout.')
with open(os.path.join(work, 'attack.bout'), 'w') as script:
    script.write('frames every 20\ntap 0 D 30\nlast 5\n')
subprocess.run(['node', '--no-experimental-fetch', sys.argv[1], 'shots', os.path.join(work, 'attack.bout'), work, '5'],
               check=True, stdout=subprocess.DEVNULL)
wind_up = crop(read_bmp(os.path.join(work, 'frame-5.bmp')), *STRIP)


def metrics(page):
    return {m['name']: m['value'] for m in page.driver.execute_cdp_cmd('Performance.getMetrics', {})['metrics']}


with Page() as page:
    page.open()
    page.hold('enter')
    deadline = time.monotonic() + 10
    while page.pixel(*LIFE) != LIFE_GREEN:
        if time.monotonic() > deadline:
            page.dump()
            fail('no life bar after ENTER: pixel %s is %s' % (LIFE, page.pixel(*LIFE)))
        time.sleep(0.05)
    standing = page.pixels(*STRIP)
    if differing(standing, wind_up) < 500:
        fail("the hero's stand already looks like his wind-up; this test can't tell them apart")

    # Two seconds of the bout, untouched: the frames a second and the browser's CPU.
    page.driver.execute_cdp_cmd('Performance.enable', {})
    before, start = metrics(page), time.monotonic()
    fps = page.turns_a_second()
    after, seconds = metrics(page), time.monotonic() - start
    cpu = (after['TaskDuration'] - before['TaskDuration']) / seconds
    print('bout: %.0f frames a second, the page busy %.0f%% of the time (%.2f ms a frame)' %
          (fps, 100 * cpu, 1000 * cpu / fps))
    if fps < 30:
        fail('only %.0f frames a second' % fps)

    peak = page.js('return Module.rykeAudio.peak')
    if page.js('return Module.rykeAudio.context.state') != 'running' or peak < 0.05:
        fail('no sound reached Web Audio after ENTER (state %s, loudest sample %.3f)' %
             (page.js('return Module.rykeAudio.context.state'), peak))

    # Facing left, D is the high attack (and the high parry, which winds up the same way).
    for tries in range(10):
        page.watch(STRIP, wind_up)
        page.hold('d')
        time.sleep(0.5)
        least = page.watched()
        if least <= 20:
            break
    else:
        png(os.path.join(work, 'strip.png'), STRIP[2], STRIP[3], page.pixels(*STRIP))
        fail("D never showed the hero's wind-up in 10 presses (%d pixels off at best; the strip now "
             "in %s/strip.png)" % (least, work))

    band = page.pixels(*SIGN)
    page.hold('p')
    time.sleep(0.3)
    still = page.pixels()
    time.sleep(0.7)
    if differing(still, page.pixels()) != 0:
        fail('the frame moved while paused with P')
    if differing(band, page.pixels(*SIGN)) < 2000:
        fail('no "Paused" sign after P')
    page.hold('p')
    time.sleep(0.7)
    if differing(still, page.pixels()) < 1000:
        fail('the bout did not go on after P again')

    page.hold('esc')
    page.wait_for('the page saying the game ended', 'return Module.rykeEnded === 0', 5)
    text = page.js("return document.getElementById('ended').hidden ? '' : document.getElementById('ended-text').textContent")
    if 'ended' not in text:
        fail("after ESC the page says '%s'" % text)
print('PASS: ENTER started a bout with its life bar and sound, D wound up, P paused and went on, ESC ended it')
