#include "platform/rest.h"

#include <emscripten.h>

// The browser's turn: the page's events, timers, sound and drawing run while the game sleeps,
// and the browser paces a zero-length sleep itself. Built without Asyncify (the bout runner
// under node) there is no browser to give way to, and the runner never waits.
void restFor(int milliseconds)
{
    if (!emscripten_has_asyncify())
        return;
    // Each turn given, for the page's count of frames a second.
    EM_ASM({ Module.rykeTurns = (Module.rykeTurns || 0) + 1; });
    emscripten_sleep(static_cast<unsigned>(milliseconds));
}
