// The page is the display: it cannot go away under a running game, and the screen is the
// page's own memory, with nothing shared to leave behind.
#include "platform/display.h"

void watchForLostDisplay() {}
void releaseScreenMemoryAtExit() {}

// The page's own focus events reach the library as switches in and out; nothing more to ask.
KeyboardFocus keyboardFocus() { return KeyboardFocus::unknown; }
