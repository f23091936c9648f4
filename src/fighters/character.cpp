#include "fighters/character.h"

#include "sound/cue.h"
#include "shell/timer.h"

void character::stamp() { stateTime = hundredthsNow(); }

void character::setTimings(const AttackTimings& timings)
{
    highPhase1End = lowPhase1End = timings.windUpEnds;
    highPhase2End = lowPhase2End = timings.bladeOutEnds;
    highPhase3End = lowPhase3End = timings.strikeEnds;
    evadeDuration = timings.evadeLasts;
}

void character::startAttack(std::string state)
{
    attackState = std::move(state);
    stamp();
    ++attackCount;
}

bool character::die()
{
    if (attackState == "gone" || attackState == "dead")
        return false;
    attackState = "dead";
    stamp();
    return true;
}

void character::highAttack() { startAttack("high"); }

void character::lowAttack() { startAttack("low"); }

void character::returnNormal()
{
    attackState = "normal";
    stamp();
    attackPhase = 0;
    secondSoundPlayed = 0;
    firstSoundPlayed = 0;
}

std::string character::getAttackState() { return attackState; }

void character::setAttackState(std::string state)
{
    attackState = std::move(state);
    stamp();
}

void character::evade()
{
    attackState = "evade";
    stamp();
    cue(Cue::evade);
}
