#pragma once
// Every sound the game makes, and the one table of how each is played.

#include <allegro.h>

// Each occasion the game plays a sound on.
enum class Cue {
    boutStart,
    beat,
    evade,
    grunt,
    swordClash,
    enemyDeath,
    carnageBlast,
    gunCockHighRight,
    gunFireHighRight,
    gunCockLowRight,
    gunFireLowRight,
    gunCockHighLeft,
    gunFireHighLeft,
    gunCockLowLeft,
    gunFireLowLeft,
};

// How a cue is played: the sample, its volume (of 255) and pan (0 left, 127 centre, 255 right),
// and whether it loops for good.
struct CueSound {
    Cue cue;
    SAMPLE** sample;
    int volume;
    int pan;
    bool loops;
};

constexpr int cueCount = 15;
// In the order of Cue.
extern const CueSound cueSounds[cueCount];

// Plays a cue at unchanged pitch.
void cue(Cue cue);
