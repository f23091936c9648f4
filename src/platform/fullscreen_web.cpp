// The page is the game's screen: its frame is the canvas, and fullscreen is the browser's.
#include "platform/fullscreen.h"

const bool screenSwitches = false;

void prepareBorderless(bool) {}

void setBorderless(bool, int, int) {}
