#include "shell/keyspage/keys_page.h"

#include <allegro.h>

namespace {

bool choose(KeysPage& page, int key)
{
    if (key == KEY_UP || key == KEY_DOWN) {
        page.row = (page.row + (key == KEY_UP ? keysPageRows - 1 : 1)) % keysPageRows;
        page.note.clear();
    } else if (key == KEY_ESC || key == KEY_TAB) {
        page.open = false;
    } else if (key == KEY_ENTER && page.row == backRow) {
        page.open = false;
    } else if (key == KEY_ENTER && page.row == defaultsRow) {
        restoreDefaultKeys();
        page.note = "The default keys are back.";
        return true;
    } else if (key == KEY_ENTER) {
        page.waiting = true;
        page.note = "Press the new key (ESC keeps " + keyCap(boundKeys[page.row]) + ")";
    }
    return false;
}

bool rebind(KeysPage& page, int key)
{
    if (key == KEY_ESC) {
        page.waiting = false;
        page.note = "Unchanged.";
        return false;
    }
    const std::string refused = refusalFor(page.row, key, boundKeys);
    if (!refused.empty()) {
        page.note = "No: " + refused + ". Another key?";
        return false;
    }
    boundKeys[page.row] = key;
    applyKeys();
    page.waiting = false;
    page.note = keyCap(key) + " now does it.";
    return true;
}

} // namespace

bool keysPageTake(KeysPage& page, int key) { return page.waiting ? rebind(page, key) : choose(page, key); }
