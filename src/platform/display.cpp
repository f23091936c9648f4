#include "platform/display.h"

#include <allegro.h>
// The library's X state (its connection and its shared-memory image), exported for programs.
#include <xalleg.h>
#include <unistd.h>

#include <atomic>

namespace {

std::atomic<bool> displayLost{false};

// Xlib calls this when the connection breaks, and must not see it return. Nothing of the library
// can be shut down in order with the connection gone: its exit would block on the X lock held by
// the thread that called here, and every X call it makes would fail again. So the first thread
// here ends the process on the spot; the kernel releases all the library holds, the segment was
// already marked for removal. Another thread that gets here meanwhile waits for that end.
int onDisplayLost(Display*)
{
    if (!displayLost.exchange(true)) {
        static const char line[] = "ryke: the display was lost: the connection to the X server broke.\n";
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
        _exit(1);
    }
    for (;;)
        pause();
}

} // namespace

void watchForLostDisplay() { XSetIOErrorHandler(onDisplayLost); }

void releaseScreenMemoryAtExit()
{
    // Once marked, the segment lives on only while attached; both the server and the game
    // already are, and the library detaches and removes it again at its own exit.
    if (_xwin.use_shm)
        shmctl(_xwin.shminfo.shmid, IPC_RMID, nullptr);
}
