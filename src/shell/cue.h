#pragma once
// Every sound the game makes goes through here.

#include <allegro.h>

// Plays a sample once at unchanged pitch; pan runs from 0 (left) to 255 (right).
void cue(SAMPLE* sample, int volume, int pan);
// Starts a sample looping for good (the background beat).
void loopCue(SAMPLE* sample, int volume, int pan);
