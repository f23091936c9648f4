#pragma once
// The difficulty curve: many bouts per reaction time and slip rate, summed up.

#include <iosfwd>
#include <vector>

#include "bot/bot.h"

struct CurvePoint {
    int reactionMs = 0;
    double slipRate = 0;
    int bouts = 0;
    double median = 0, lowerQuartile = 0, upperQuartile = 0;
    int fewest = 0, most = 0;
    int wins = 0;
    double floorKills[2] = {-1, -1}; // median kills when the left / right line reached its floor
    int fatalFromBehind = 0;         // deaths dealt by the enemy at the hero's back
    double fatalIndex = -1;          // median place in its line of the enemy that dealt the last blow
};

// Plays bouts with seeds first .. first + bouts - 1.
CurvePoint measure(const BotSettings& settings, int bouts, unsigned first = 1);

// The points as tab-separated values under a header line.
void writeCurve(std::ostream& out, const std::vector<CurvePoint>& points);

// The slowest reaction at which the bot still wins most bouts, for one assist speed and slip rate.
struct Threshold {
    int speedPercent = 100;
    double slipRate = 0;
    int bouts = 0;
    int slowestMs = -1;      // -1: not even the quickest reaction searched wins most bouts
    int winsThere = 0;       // bouts won at slowestMs ...
    int winsOneStepSlower = 0; // ... and one step slower, where most are lost
};

// Searches reactions from quickestMs to slowestMs in steps of stepMs, halving the range each time:
// the wins fall as the reaction slows.
Threshold slowestWinning(const BotSettings& settings, int bouts, int quickestMs, int slowestMs, int stepMs);

// The thresholds as tab-separated values under a header line.
void writeThresholds(std::ostream& out, const std::vector<Threshold>& thresholds);

// The value at fraction q (0 to 1) of the sorted values, interpolated; -1 if there are none.
double quantile(std::vector<double> values, double q);
