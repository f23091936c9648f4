#include "sound/cue.h"

#include "shell/assets.h"

// The gunmen cock in the wind-up and fire with the blade out; each side and height has its own
// volume and pan. The right gunman's high cues lean to the right channel.
// clang-format off
//                                  cue                     sample         volume  pan  loops
constexpr CueSound cueSounds[cueCount] = {{Cue::boutStart,        &prepareToDie,  255,   127, false},
                                      {Cue::beat,             &bg_beat,       255,   127, true},
                                      {Cue::evade,            &evadeFX,       150,   127, false},
                                      {Cue::grunt,            &gruntFX,       150,   127, false},
                                      {Cue::swordClash,       &swordClashFX,  200,   127, false},
                                      {Cue::enemyDeath,       &enemyDeathFX,  100,   127, false},
                                      {Cue::carnageBlast,     &carnageShotFX, 200,   127, false},
                                      {Cue::gunCockHighRight, &gunCockFX,     150,   200, false},
                                      {Cue::gunFireHighRight, &gunShot_2FX,   100,   200, false},
                                      {Cue::gunCockLowRight,  &gunCockFX,     150,   127, false},
                                      {Cue::gunFireLowRight,  &gunShotFX,     100,   127, false},
                                      {Cue::gunCockHighLeft,  &gunCockFX,     100,   127, false},
                                      {Cue::gunFireHighLeft,  &gunShotFX,     100,   127, false},
                                      {Cue::gunCockLowLeft,   &gunCockFX,     100,   50,  false},
                                      {Cue::gunFireLowLeft,   &gunShotFX,     100,   50,  false}};
// clang-format on

static constexpr bool inCueOrder()
{
    for (int i = 0; i < cueCount; ++i)
        if (static_cast<int>(cueSounds[i].cue) != i)
            return false;
    return true;
}
static_assert(inCueOrder(), "the table is looked up by cue");

static const CueSound& soundOf(Cue cue) { return cueSounds[static_cast<int>(cue)]; }

void cue(Cue cue)
{
    const CueSound& s = soundOf(cue);
    play_sample(*s.sample, s.volume, s.pan, 1000, s.loops);
}
