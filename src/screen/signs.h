#pragma once
// Words over a picture: the signs shown over a frame (paused, a new best) and the lines the
// title screen adds to its picture.

#include <allegro.h>

#include <string>

// A dark plate across the middle of the target at centreY, with a line of large letters and,
// if given, a line of small ones beneath.
void drawSign(BITMAP* target, int centreY, const std::string& large, const std::string& small);

// The title picture with two lines in its dark ground strip, beneath the figures: the assist
// speed, and the best score.
void composeTitle(BITMAP* target, BITMAP* picture, const std::string& speedLine, const std::string& bestLine);

// Where the title's two lines go: under the feet of the figures and under the ENTER line.
constexpr int titleSpeedY = 632;
constexpr int titleBestY = 732;
