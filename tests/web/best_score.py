"""A best score survives a reload: a bout with a kill in it, ended with ESC, is saved by the
game into the browser's IndexedDB, and the reloaded page's title shows it instead of "none yet"."""
import time

from selenium.webdriver.common.action_chains import ActionChains

from page import LIFE, LIFE_GREEN, Page, differing, fail

# The title's best line, and the HUD's kill count.
BEST_LINE = (0, 712, 1024, 16)
KILLS = (200, 56, 120, 14)

with Page() as page:
    page.open()
    time.sleep(0.3)
    none_yet = page.pixels(*BEST_LINE)
    page.hold('enter')
    deadline = time.monotonic() + 10
    while page.pixel(*LIFE) != LIFE_GREEN and time.monotonic() < deadline:
        time.sleep(0.05)
    no_kills = page.pixels(*KILLS)
    # Facing left, D and F strike high and low; struck often enough, an enemy falls.
    deadline, keys, presses = time.monotonic() + 60, 'df', 0
    while differing(no_kills, page.pixels(*KILLS)) == 0:
        if time.monotonic() > deadline:
            page.dump()
            fail('no kill in 60 s of striking')
        key = keys[presses % 2]
        ActionChains(page.driver).key_down(key).pause(0.05).key_up(key).pause(0.1).perform()
        presses += 1
    page.hold('esc')
    page.wait_for('the game ending after ESC', 'return Module.rykeEnded === 0', 5)
    # The copy in IndexedDB follows the file's replacement in the background.
    time.sleep(1)
    page.driver.refresh()
    page.wait_for('the first frame after the reload', 'return window.Module && Module.rykeFirstFrame')
    time.sleep(0.3)
    best = page.pixels(*BEST_LINE)
    if differing(none_yet, best) < 100:
        page.dump()
        fail('after the reload the title still says there is no best score')
    notes = page.notes()
    if notes:
        fail('the game said on its error stream:\n' + notes)
print('PASS: a kill after %d presses, saved, and shown on the title after a reload' % presses)
