#pragma once
// The heads-up display's layout and colours, for a 1024-pixel-wide screen. The frame draws the
// HUD from this one description; whatever reads a frame as a player would (the bot) looks here
// for where each part is and how it shows.

#include <allegro.h>

namespace hud {

// A rectangle as the library fills it: both corners included.
struct Box {
    int x1, y1, x2, y2;
};

struct Rgb {
    int r, g, b;
};

// The colour's value on the screen, in whatever depth the library is set to.
inline int colourOf(const Rgb& c) { return makecol(c.r, c.g, c.b); }

// A shot pip: its black frame, lit orange inside once the player holds this many shots.
struct Pip {
    Box frame;
    double shotsNeeded;
};

// The inside of a frame, where its bar or light is drawn.
constexpr int border = 2;
constexpr Box inside(const Box& frame)
{
    return {frame.x1 + border, frame.y1 + border, frame.x2 - border, frame.y2 - border};
}

// The plates behind the bars, at the top edge.
constexpr int lifePlateX = 0;
constexpr int carnagePlateX = 650;

// The life bar: two pixels a point of life, so its frame holds a hundred points.
constexpr Box lifeFrame = {74, 14, 276, 36};
constexpr int pixelsPerLife = 2;
// The carnage meter: full (one shot's worth) at this length.
constexpr Box carnageFrame = {834, 14, 1016, 36};
constexpr double carnageLength = 178.0;

// clang-format off
//                          frame                 lit from
constexpr Pip pips[] = { {{834, 40, 894, 46},   1.0},
                         {{895, 40, 955, 46},   2.0},
                         {{956, 40, 1016, 46},  3.0} };
// clang-format on

// The kill count's text, at its top left corner.
constexpr int killCountX = 120;
constexpr int killCountY = 40;

constexpr Rgb frameColour = {0, 0, 0};
constexpr Rgb lifeColour = {0, 255, 30};
constexpr Rgb carnageColour = {255, 90, 0};
constexpr Rgb textColour = {255, 255, 255};

} // namespace hud
