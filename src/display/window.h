#pragma once
// The game's screen: a window at a whole scale, or fullscreen at the desktop's own resolution,
// switched with F11 or Alt+ENTER; and the copy of each composed frame onto it.

#include <allegro.h>

#include "display/fit.h"

// What the player asked for: the command line first, then the settings, then F11.
struct ScreenChoice {
    bool fullscreen = false;
    int scale = 1;
};
extern ScreenChoice screenChoice;
// What is open now (its scale may be less than the one asked for, when that did not fit).
extern ScreenPlan screenOpen;

// The desktop's size, or 1024 x 768 where the library cannot tell.
Size desktopSize();

// Opens the screen screenChoice asks for, in 32-bit colour: a window the size of its plan, or the
// whole desktop without a border. A 1024 x 768 window falls back to that mode with any driver;
// a larger screen that cannot be opened falls back to the 1024 x 768 window. False when not even
// that could be opened (the library's error says why).
bool openGameScreen();

// Copies the composed 1024 x 768 frame onto the screen: as it is at scale 1, stretched (each
// pixel repeated, never blended) to the frame's area otherwise.
void present(BITMAP* frame);

// F11, or ENTER with Alt held: a press switches between the window and fullscreen and reopens
// the screen. True when it switched (the caller keeps the choice, and redraws).
bool followScreenKeys();
// Whether Alt is held, so that Alt+ENTER is not taken for ENTER.
bool altHeld();
// ENTER down, and not as part of Alt+ENTER (Alt may well be let go first): followScreenKeys()
// must have seen the keys since.
bool plainEnter();
