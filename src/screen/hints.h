#pragma once
// The title's strip of hints above the picture's name: the keys page, fullscreen, a larger window.

#include <allegro.h>

// The hints across the top of the title, for a window or fullscreen; crowded adds that the
// window does not fit the desktop.
void drawTitleHints(BITMAP* target, bool fullscreen, bool crowded);

// The strip they are drawn in.
constexpr int titleHintsY = 6;
constexpr int titleHintsHeight = 40;
