#pragma once
// The loops' one pause in their work: once a drawn frame they give way (0 ms), and the pause
// waits between its frames. On a desktop a loop never waits, so giving way costs nothing; in
// the browser the page has a single thread, the browser's own, which must get its turn to run
// the page's events, timers and drawing.

// Waits this long (0: only gives way to whatever else must run), never by busy waiting.
void restFor(int milliseconds);
