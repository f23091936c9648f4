#include "fighters/character.h"

#include "names/names.h"
#include "shell/timer.h"
#include "sound/cue.h"

void character::stamp() { stateTime = stateBegan = hundredthsNow(); }

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
    if (attackState == states::gone || attackState == states::dead)
        return false;
    attackState = states::dead;
    stamp();
    return true;
}

void character::highAttack() { startAttack(states::high); }

void character::lowAttack() { startAttack(states::low); }

void character::returnNormal()
{
    attackState = states::normal;
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
    attackState = states::evade;
    stamp();
    cue(Cue::evade);
}
