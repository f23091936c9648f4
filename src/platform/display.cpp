#include "platform/display.h"

#include <allegro.h>
// The library's X state (its connection and its shared-memory image), exported for programs.
#include <xalleg.h>
// The library's lock on its X connection, which its event thread uses too.
#include <allegro/platform/aintunix.h>
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

KeyboardFocus keyboardFocus()
{
    if (!_xwin.display || !_xwin.window)
        return KeyboardFocus::unknown;
    XLOCK();
    Window focus = None;
    int revert = 0;
    XGetInputFocus(_xwin.display, &focus, &revert);
    // The window the library draws in, or the top-level window it sits in.
    const auto ours = [](Window w) { return w != None && (w == _xwin.window || w == _xwin.wm_window); };
    bool here = ours(focus);
    // With the focus on the pointer, or on the root (where it falls when a focused window goes),
    // keys go to the window under the pointer: found by going down from the root through the
    // windows that hold the pointer (a window manager's frame, then the game's).
    const Window root = DefaultRootWindow(_xwin.display);
    Window under = focus == PointerRoot || focus == root ? root : None;
    for (int depth = 0; under != None && !here && depth < 8; ++depth) {
        Window top = None, child = None;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned buttons = 0;
        if (!XQueryPointer(_xwin.display, under, &top, &child, &rootX, &rootY, &x, &y, &buttons))
            break;
        under = child;
        here = ours(under);
    }
    XUNLOCK();
    return here ? KeyboardFocus::here : KeyboardFocus::elsewhere;
}
