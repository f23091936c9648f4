#pragma once
// What a bout did, for the card the title shows after it. Each event is noted where it happens;
// the notes are only read (by the card), never by the rules, so nothing here changes a bout.

#include <string>

// An enemy's blow on the hero.
struct Blow {
    std::string kind;   // kinds::sword or kinds::gun; empty: none yet
    std::string height; // states::high or states::low
    bool fromBehind = false;
};

struct BoutTally {
    int startedAt = 0;  // hundredths
    int diedAt = -1;    // hundredths; -1 while the hero lives
    int clashes = 0;    // blades that met and cancelled, the hero unhurt
    int stuns = 0;      // kicks that stunned the enemy behind
    int shotsEarned = 0;
    int shotsFired = 0;
    Blow lastBlow;      // the last blow that reached the hero
    Blow killingBlow;   // the blow he died of
};

// The bout under way, or the last one.
extern BoutTally tally;

void startTally(int now);
// An enemy's blow of that kind and height is about to reach the hero, from behind or in front.
void noteBlow(const std::string& kind, const char* height, bool fromBehind);
// The hero has just died, of the last blow that reached him.
void noteDeath(int now);
void noteClash();
void noteStun();
void noteShotEarned();
void noteShotFired();
