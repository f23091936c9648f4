#include "pause/pause.h"

#include <allegro.h>

#include "controls/latch.h"
#include "controls/pad.h"

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
    // Both latches see every pass, so that each knows when its key was let go.
    const bool byKey = pressedNow(pHeld, key[KEY_P] != 0);
    const bool byPad = pressedNow(padStartHeld, padStartDown());
    if (byKey || byPad)
        pausedByHand = !pausedByHand;
    return pausedByHand || !windowFocused.load();
}

void endPause()
{
    pausedByHand = false;
    pHeld = false;
}
