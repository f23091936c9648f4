#include "shell/cue.h"

void cue(SAMPLE* sample, int volume, int pan) { play_sample(sample, volume, pan, 1000, 0); }

void loopCue(SAMPLE* sample, int volume, int pan) { play_sample(sample, volume, pan, 1000, 1); }
