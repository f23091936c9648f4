#pragma once
// Every sprite the game draws goes through here.

#include <allegro.h>

// Draws a sprite into the back buffer as stored, or mirrored left to right.
void paintSprite(BITMAP* sprite, int x, int y, bool mirrored = false);
// Draws a sprite into the back buffer scaled to w x h.
void paintStretched(BITMAP* sprite, int x, int y, int w, int h);
