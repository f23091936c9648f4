// The page is the display: it cannot go away under a running game, and the screen is the
// page's own memory, with nothing shared to leave behind.
#include "platform/display.h"

void watchForLostDisplay() {}
void releaseScreenMemoryAtExit() {}
