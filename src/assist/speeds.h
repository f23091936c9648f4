#pragma once
// The assist speeds a player may choose: the share of real time the game's clocks run at. 100 is
// the game by its rules; below it every move stretches evenly.

#include <string>

// Fastest first.
constexpr int assistSpeeds[] = {100, 90, 80, 70, 60, 50};
constexpr int fullSpeed = 100;
// Where most players should start: the fastest speed at which the difficulty chart's bot, slipping
// now and then, still wins most bouts with an ordinary player's 220 ms of reaction
// (docs/difficulty-speeds.tsv). Told on the title; full speed stays the default.
constexpr int suggestedSpeed = 60;

// True for one of assistSpeeds.
bool isAssistSpeed(int percent);
// The speed steps away from speed along the assist speeds (negative: slower), held at the ends.
int speedAfter(int speed, int steps);
// The speeds as a player reads them: "100, 90, 80, 70, 60 or 50".
std::string speedChoices();
