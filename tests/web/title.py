"""The page's title: the frame shown at 1:1 in a window that holds it, the pixels on the screen
the title picture's in the logo band the game writes nothing over, the first frame soon after the page
began to load, and the word on sound until the first key starts it."""
import time

from page import HEIGHT, REPO, TITLE_BAND, TITLE_LINES, WIDTH, Page, differing, fail, png, read_pcx

with Page() as page:
    first = page.open()
    print('browser started in %.1f s; first frame %.0f ms after the page began to load' % (page.browser_start, first))
    if first > 5000:
        fail('the first frame came %.0f ms after the page began to load' % first)
    size = page.js('var r = Module.canvas.getBoundingClientRect(); return [r.width, r.height]')
    if size != [WIDTH, HEIGHT]:
        fail('the frame is shown at %s in a 1280 x 1200 window, not at 1:1' % size)
    sound = page.js("return document.getElementById('sound').textContent")
    if 'first key' not in sound:
        fail("before any key the page says '%s' about the sound" % sound)
    time.sleep(0.3)
    # What the screen shows, not only what the canvas holds.
    shown = page.shown()
    if len(shown) != WIDTH * HEIGHT * 4:
        fail('the screenshot of the frame holds %d pixels' % (len(shown) // 4))
    _, _, title = read_pcx(REPO + '/images/enterScreen.pcx')
    row = WIDTH * 4
    top, bottom = TITLE_BAND
    off = differing(shown[top * row:bottom * row], title[top * row:bottom * row])
    if off:
        png('/tmp/ryke-web-title.png', WIDTH, HEIGHT, shown)
        fail('%d pixels of the logo band differ from the title picture (/tmp/ryke-web-title.png)' % off)
    lines = sum(differing(shown[y * row:(y + 1) * row], title[y * row:(y + 1) * row])
                for top, bottom in TITLE_LINES for y in range(top, bottom))
    if lines < 500:
        fail('the speed and best lines are missing from the title (%d pixels differ there)' % lines)
    page.hold('left')
    page.wait_for('the sound starting at the first key',
                  "return document.getElementById('sound').textContent == 'Sound on'", 5)
    # The address may cap the frames: 20 a second on the title, far fewer than it draws uncapped.
    free = page.turns_a_second()
    page.open('?fps=20')
    capped = page.turns_a_second()
    print('title: %.0f frames a second uncapped, %.0f with ?fps=20' % (free, capped))
    if not 16 <= capped <= 21 or free < 40:
        fail('the title drew %.0f frames a second with ?fps=20 and %.0f without' % (capped, free))
print('PASS: the title picture at 1:1, first frame in %.0f ms, sound on at the first key, the cap taken from the address' % first)
