// Windows sends a console program no signals but console events, each on a thread of its own:
// Ctrl-C, Ctrl-Break and the console window closing end the game the way the close button
// does, and the exit status names the signal each stands for, as on Linux.
#include "platform/signals.h"

#include <windows.h>

#include <csignal>

std::atomic<int> stopSignal{0};

namespace {

struct StopEvent {
    DWORD event;
    int signal;
};

// event             | the signal it counts as
constexpr StopEvent stopEvents[] = {
    {CTRL_C_EVENT, SIGINT},
    {CTRL_BREAK_EVENT, SIGBREAK},
    {CTRL_CLOSE_EVENT, SIGTERM},
};

// How long the console's closing waits for the game to end in order. Windows ends the process
// once the handler returns, or at its own limit (5 s) if that comes first.
constexpr DWORD closingGrace = 10000;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    for (const StopEvent& stop : stopEvents) {
        if (stop.event != event)
            continue;
        stopSignal.store(stop.signal);
        if (event == CTRL_CLOSE_EVENT)
            Sleep(closingGrace);
        return TRUE;
    }
    return FALSE;
}

} // namespace

// The library puts in no console handler of its own, so one registration is enough. A game
// started with Ctrl-C ignored (a parent's SetConsoleCtrlHandler(NULL, TRUE)) never receives it.
void takeStopSignals()
{
    static_assert(std::atomic<int>::is_always_lock_free, "a console handler may only touch lock-free atomics");
    static const bool taken = SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    (void)taken;
}

int exitStatus(int status)
{
    const int number = stopSignal.load();
    return number ? 128 + number : status;
}

// Console events come on threads of their own and only set a flag: nothing to hold back while
// the library starts.
void blockStopSignals() {}
void unblockStopSignals() {}
