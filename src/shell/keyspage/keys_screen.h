#pragma once
// The keys page on the screen: drawn into the frame, and run until the player leaves it.

#include <allegro.h>

#include "shell/keyspage/keys_page.h"

// Draws the page into target (the 1024 x 768 frame).
void composeKeysPage(BITMAP* target, const KeysPage& page);

// Shows the page until ESC, TAB or "back"; every change is kept in the settings at once. The
// window's close button and the stop signals end the program from here too.
void runKeysPage();

// Where the page's rows start, and how far apart they are.
constexpr int keysRowsY = 200;
constexpr int keysRowStep = 40;
