#pragma once
// The keys page, opened from the title with TAB: each key with what it does facing right and
// facing left; UP and DOWN choose a row, ENTER on a key's row and then a key moves that key, a
// key the game or another row already uses is refused with why, "defaults" puts every key back,
// ESC (or "back") returns to the title. Only its logic is here; keys_screen.h draws and runs it.

#include <string>

#include "controls/bindings.h"

// The rows: the keys, then these two.
constexpr int defaultsRow = slotCount;
constexpr int backRow = slotCount + 1;
constexpr int keysPageRows = slotCount + 2;

struct KeysPage {
    int row = 0;
    bool waiting = false; // ENTER was pressed on a key's row: the next key goes there
    bool open = true;
    std::string note;     // the last word: what changed, or why a key was refused
};

// One key pressed on the page (the library's key code). True when the keys changed.
bool keysPageTake(KeysPage& page, int key);
