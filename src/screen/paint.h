#pragma once
// Every sprite the game draws goes through here, so a test can see what was drawn where.

#include <allegro.h>

#include <vector>

struct PaintRecord {
    BITMAP* sprite;
    int x;
    int y;
    // Drawn size; the sprite's own size unless stretched.
    int w;
    int h;
    bool mirrored;
};

// When set (by a test), every sprite drawn into the back buffer is appended to it.
extern std::vector<PaintRecord>* paintLog;

// Draws a sprite into the back buffer as stored, or mirrored left to right.
void paintSprite(BITMAP* sprite, int x, int y, bool mirrored = false);
// Draws a sprite into the back buffer scaled to w x h.
void paintStretched(BITMAP* sprite, int x, int y, int w, int h);
