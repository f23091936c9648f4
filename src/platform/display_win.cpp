// The Windows display is the desktop itself, which outlives the game, and the library draws
// there without shared memory to leave behind: nothing to watch.
#include "platform/display.h"

#include <allegro.h>
#include <winalleg.h>

void watchForLostDisplay() {}
void releaseScreenMemoryAtExit() {}

KeyboardFocus keyboardFocus()
{
    const HWND window = win_get_window();
    if (!window)
        return KeyboardFocus::unknown;
    return GetForegroundWindow() == window ? KeyboardFocus::here : KeyboardFocus::elsewhere;
}
