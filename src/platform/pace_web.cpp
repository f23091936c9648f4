#include "platform/pace.h"

#include <emscripten.h>

namespace {
FramePace pace;
}

void capFrames(int perSecond)
{
    pace.cap(perSecond);
}

// The browser's turn: the page's events, timers, sound and drawing run while the game sleeps,
// and the browser paces a zero-length sleep itself. Built without Asyncify (the bout runner
// under node) there is no browser to give way to, and the runner never waits.
void frameDone(int restMs)
{
    if (!emscripten_has_asyncify())
        return;
    // Each turn given, for the page's count of frames a second.
    EM_ASM({ Module.rykeTurns = (Module.rykeTurns || 0) + 1; });
    const FramePace::Clock::time_point now = FramePace::Clock::now();
    const auto wait = pace.next(now, std::chrono::milliseconds(restMs)) - now;
    emscripten_sleep(static_cast<unsigned>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
}
