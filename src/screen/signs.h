#pragma once
// Words over a picture: the signs shown over a frame (paused, a new best) and the lines the
// title screen adds to its picture.

#include <allegro.h>

#include <string>
#include <vector>

// A dark plate across the middle of the target at centreY, with a line of large letters and,
// if given, a line of small ones beneath.
void drawSign(BITMAP* target, int centreY, const std::string& large, const std::string& small);

// What the title says over its picture.
struct TitleWords {
    std::string speed;     // the assist speed and how to change it
    std::string startHere; // the speed most players should start at
    std::string best;      // the best score at the speed
    std::string more;      // the coach's switch and the other keys
    std::string panelHeading;
    std::vector<std::string> panel; // the last bout's card, or how a bout goes
};

// The title picture with two panels over the figures, the keys on the left and the card (or
// how a bout goes) on the right, and four lines in its dark ground strip: the speed and where to
// start above the ENTER line, the best score and the coach below it.
void composeTitle(BITMAP* target, BITMAP* picture, const TitleWords& words);

// Where the title's lines go.
constexpr int titleSpeedY = 610;
constexpr int titleStartHereY = 634;
constexpr int titleBestY = 712;
constexpr int titleMoreY = 740;
constexpr int titlePanelTop = 244;
constexpr int titlePanelBottom = 592;
