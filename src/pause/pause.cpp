#include "pause/pause.h"

#include <allegro.h>

#include "shell/timer.h"

std::atomic<bool> windowFocused{true};

namespace {
bool pausedByHand = false;
bool pHeld = false;
bool paused = false;

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
    const bool pDown = key[KEY_P] != 0;
    if (pDown && !pHeld)
        pausedByHand = !pausedByHand;
    pHeld = pDown;
    const bool now = pausedByHand || !windowFocused.load();
    if (now != paused)
        stopClock(now);
    paused = now;
    return paused;
}

void endPause()
{
    pausedByHand = false;
    pHeld = false;
    paused = false;
    stopClock(false);
}
