// The Windows display is the desktop itself, which outlives the game, and the library draws
// there without shared memory to leave behind: nothing to watch.
#include "platform/display.h"

void watchForLostDisplay() {}
void releaseScreenMemoryAtExit() {}

// Windows tells a window of every activation, and the library passes each on: nothing to ask.
KeyboardFocus keyboardFocus() { return KeyboardFocus::unknown; }
