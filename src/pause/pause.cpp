#include "pause/pause.h"

#include <allegro.h>

#include "controls/latch.h"

std::atomic<bool> windowFocused{true};

namespace {
bool pausedByHand = false;
bool pHeld = false;

void focusIn() { windowFocused.store(true); }
void focusOut() { windowFocused.store(false); }
} // namespace

void watchFocus()
{
    set_display_switch_mode(SWITCH_BACKGROUND);
    set_display_switch_callback(SWITCH_IN, focusIn);
    set_display_switch_callback(SWITCH_OUT, focusOut);
}

bool updatePause()
{
    if (pressedNow(pHeld, key[KEY_P] != 0))
        pausedByHand = !pausedByHand;
    return pausedByHand || !windowFocused.load();
}

void endPause()
{
    pausedByHand = false;
    pHeld = false;
}
