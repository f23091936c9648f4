#pragma once
// Every sound the game makes goes through here, so a test can hear what played.

#include <allegro.h>

#include <vector>

struct CueRecord {
    SAMPLE* sample;
    int volume;
    int pan;
    bool looped;
};

// Plays a sample once at unchanged pitch; pan runs from 0 (left) to 255 (right).
void cue(SAMPLE* sample, int volume, int pan);
// Starts a sample looping for good (the background beat).
void loopCue(SAMPLE* sample, int volume, int pan);
