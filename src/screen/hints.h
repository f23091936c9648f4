#pragma once
// Text 16 pixels high (the library's 8 x 8 font, each pixel doubled), and the title's strip of
// hints above the picture's name: the keys page, fullscreen, a larger window.

#include <allegro.h>

#include <string>

// Draws text 16 pixels high, centred on centreX, transparent between the letters.
void drawText16(BITMAP* target, const std::string& text, int centreX, int y, int colour);
// The same, starting at x.
void drawText16From(BITMAP* target, const std::string& text, int x, int y, int colour);

// The hints across the top of the title; crowded adds that the window does not fit the desktop.
void drawTitleHints(BITMAP* target, bool crowded);

// The strip they are drawn in.
constexpr int titleHintsY = 6;
constexpr int titleHintsHeight = 40;
