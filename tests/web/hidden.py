"""A hidden tab pauses the bout: while another tab is in front the game's clock stands still,
so the idle hero has lost nothing when he comes back; left alone as long in front, he is hit."""
import time

from page import LIFE, LIFE_GREEN, Page, fail

# The life bar's row: full, it is green to x 274.
BAR = (172, 25, 103, 1)
AWAY = 8


def life(page):
    row = page.pixels(*BAR)
    return sum(1 for i in range(0, len(row), 4) if tuple(row[i:i + 3]) == LIFE_GREEN)


with Page() as page:
    page.open()
    page.hold('enter')
    deadline = time.monotonic() + 10
    while page.pixel(*LIFE) != LIFE_GREEN and time.monotonic() < deadline:
        time.sleep(0.05)
    full = life(page)
    game = page.driver.current_window_handle
    page.driver.switch_to.new_window('tab')
    if page.js('return document.visibilityState') != 'visible':
        fail('the new tab is not in front')
    time.sleep(AWAY)
    page.driver.switch_to.window(game)
    page.wait_for('the game tab in front again', "return document.visibilityState == 'visible'", 5)
    time.sleep(0.3)
    after_away = life(page)
    # The same time in front, standing idle.
    time.sleep(AWAY)
    after_idle = life(page)
if after_away != full:
    fail('the hero lost life while the tab was hidden: %d of %d pixels of life left' % (after_away, full))
if after_idle >= full:
    fail('idle in front for %d s the hero lost nothing either: this test cannot tell a pause' % AWAY)
print('PASS: %d s hidden cost nothing; as long in front cost %d of %d pixels of life' % (AWAY, full - after_idle, full))
