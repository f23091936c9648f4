#pragma once
// Thousands of bouts by a random player at random frame rates, each checked frame by frame.

#include <string>

#include "replay/script.h"

// A bout by a player who mashes, holds keys long, presses several at once, turns back and
// forth and idles, with frames 1 ms to the bout's own longest gap (10 to 150 ms) apart and now
// and then a stall; rand() seeded from the same seed.
BoutScript randomBout(unsigned seed);

struct SoakResult {
    int bouts = 0;
    long long frames = 0;
    double seconds = 0;
    int failedSeed = -1;
    std::string fault;
    std::string script; // the failing bout, cut at its first fault
};

// Plays bouts for seeds first .. first + count - 1 without drawing; stops at the first fault.
SoakResult soak(unsigned first, int count);
