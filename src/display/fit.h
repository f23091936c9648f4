#pragma once
// Where the game's 1024 x 768 frame goes on the player's screen: a window a whole number of times
// as large, or the desktop filled edge to edge with black around the frame. Only arithmetic here:
// opening the screen is window.h's.

struct Size {
    int w = 0;
    int h = 0;
};

// A rectangle on the screen.
struct Area {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// The frame as large as the screen holds with its shape kept, centred: the rest stays black.
Area frameArea(Size screen);

// The largest whole scale whose window fits the desktop, at least 1.
int largestScale(Size desktop);

// What to open: the screen's size, whether it is fullscreen, and the scale the window got.
struct ScreenPlan {
    Size size;
    bool fullscreen = false;
    int scale = 1;
};

// Fullscreen takes the desktop as it is (no change of mode); a window takes the scale asked for,
// or the largest that fits when that one does not.
ScreenPlan planScreen(bool fullscreen, int scale, Size desktop);

// Whether a window at this scale, with a title bar above it, is taller or wider than the
// desktop: a 1024 x 768 window on a 1366 x 768 laptop is.
bool windowCrowded(Size desktop, int scale);

// The scales the command line and the settings accept.
constexpr int largestScaleAsked = 8;
