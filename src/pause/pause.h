#pragma once
// A bout stands still while the window is away from the keyboard (another window has the
// focus) or while the player has paused it with P. The frame loop stops the clock meanwhile, so
// nothing is owed when it goes on.

#include <atomic>

// Whether the game's window has the keyboard focus; set on the library's event thread.
extern std::atomic<bool> windowFocused;

// Tells the library to keep running in the background and to report focus changes.
void watchFocus();
// A key event the library read (its scancode; a release has 0x80 set): a key pressed reaches the
// window, so it has the focus, whatever the last focus change said.
void noteKeyEvent(int scancode);
// Follows the focus (as the library reports it, as key presses show it, and as the X server
// says when asked) and P (one toggle a press) for the bout under way. True while it is paused.
bool updatePause();
// Leaves the pause behind at the end of a bout: P is unpressed.
void endPause();
