#include "platform/fullscreen.h"

#include <allegro.h>
// The library's X state: its connection and the managed window it maps for the game.
#include <xalleg.h>

#include <X11/Xatom.h>

const bool screenSwitches = true;

void prepareBorderless(bool) {}

void setBorderless(bool on, int, int)
{
    Display* display = _xwin.display;
    const Window window = _xwin.wm_window;
    if (!display || !window)
        return;
    // The library opened the display for threads, so the lock keeps its event thread out.
    XLockDisplay(display);
    // The window manager's fullscreen state: it takes the window to the desktop's size and
    // position without a frame, and gives the frame back when the state goes.
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom full = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = state;
    event.xclient.format = 32;
    event.xclient.data.l[0] = on ? 1 : 0; // _NET_WM_STATE_ADD or _REMOVE
    event.xclient.data.l[1] = static_cast<long>(full);
    event.xclient.data.l[3] = 1; // asked by an application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    // With no window manager nothing answers that: the window, already desktop-sized, goes to
    // the corner itself.
    if (on)
        XMoveWindow(display, window, 0, 0);
    XFlush(display);
    XUnlockDisplay(display);
}
