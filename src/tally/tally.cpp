#include "tally/tally.h"

#include "encounter/lines.h"
#include "fighters/names.h"
#include "fighters/player.h"

BoutTally tally;

void startTally(int now)
{
    tally = {};
    tally.startedAt = now;
}

void noteBlow(const enemy& striker, const char* height)
{
    const bool leftLine = &striker >= enemies_L && &striker < enemies_L + lineLength;
    const bool facesLeft = ryke.facing == facings::left;
    tally.lastBlow = {striker.enemyType, height, leftLine != facesLeft};
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
