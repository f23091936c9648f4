#include "tally/tally.h"

BoutTally tally;

void startTally(int now)
{
    tally = {};
    tally.startedAt = now;
}

void noteBlow(const std::string& kind, const char* height, bool fromBehind)
{
    tally.lastBlow = {kind, height, fromBehind};
}

void noteDeath(int now)
{
    tally.diedAt = now;
    tally.killingBlow = tally.lastBlow;
}

void noteClash() { ++tally.clashes; }
void noteStun() { ++tally.stuns; }
void noteShotEarned() { ++tally.shotsEarned; }
void noteShotFired() { ++tally.shotsFired; }
