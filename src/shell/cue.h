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

// When set (by a test), every cue is appended to it as well as played.
extern std::vector<CueRecord>* cueLog;

// Plays a sample once at unchanged pitch; pan runs from 0 (left) to 255 (right).
void cue(SAMPLE* sample, int volume, int pan);
// Starts a sample looping for good (the background beat).
void loopCue(SAMPLE* sample, int volume, int pan);
