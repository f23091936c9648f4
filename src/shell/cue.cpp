#include "shell/cue.h"

#include "shell/shell.h"

std::vector<CueRecord>* cueLog = nullptr;

static void playAndLog(SAMPLE* sample, int volume, int pan, bool looped)
{
    if (cueLog)
        cueLog->push_back({sample, volume, pan, looped});
    play_sample(sample, volume, pan, 1000, looped ? 1 : 0);
}

void cue(SAMPLE* sample, int volume, int pan) { playAndLog(sample, volume, pan, false); }

void loopCue(SAMPLE* sample, int volume, int pan) { playAndLog(sample, volume, pan, true); }
