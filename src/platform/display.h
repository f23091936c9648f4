#pragma once
// The X display going away under the game: a desktop session that ends, a server that dies.

// From now on a broken connection to the display ends the game at once with status 1 and one
// line on stderr. Xlib's own answer is exit(), from whichever thread saw it (most often the
// library's event thread), whose exit handlers would tear the library down under the game's
// thread while it draws. Called before the library starts.
void watchForLostDisplay();

// Marks the window's shared-memory segment for removal while the game and the X server still
// hold it, so that it goes with them however the game ends. Called once the screen is open.
void releaseScreenMemoryAtExit();

// Where the X server says the keyboard's keys go, for the pause.
enum class KeyboardFocus {
    unknown,    // no window yet, or the system cannot say
    here,       // to the game's window: it holds the focus, or the focus follows the pointer
                // (X's PointerRoot) and the pointer is over the window
    elsewhere,  // to another window, or to none
};
// Asks the X server where the keys go now: a round trip, and a few more when the focus follows
// the pointer. Called from the game's thread. Always unknown on Windows and in the browser.
KeyboardFocus keyboardFocus();
