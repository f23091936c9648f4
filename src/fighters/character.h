#pragma once

#include <string>

#include "names/names.h"

// When the phases of an attack end, in hundredths after it began, and how long an evade lasts.
struct AttackTimings {
    int windUpEnds, bladeOutEnds, strikeEnds, evadeLasts;
};

// Every fighter's timings follow from the end of its wind-up by one rule: ten hundredths with
// the blade out, five for the strike, and thirty for any evade.
constexpr AttackTimings timingsAfterWindUp(int windUpEnds)
{
    return {windUpEnds, windUpEnds + 10, windUpEnds + 15, 30};
}

// How far the timelines have played a fighter's move, the move known by its state and stateTime:
// its windows before reached are done.
struct WindowsPlayed {
    std::string state;
    int stateTime = 0;
    int reached = 0;
};

// What every fighter has: its attack state (a short text naming what it is doing), the time
// that state began, its phase and the timings of its moves. Only the death tests the current
// state (a fighter already dead or gone stays as it is, so that no death is paid twice); for
// every other operation the callers decide when an action may start.
class character {
public:
    // How often the first / second sound cue of the current action has played.
    int firstSoundPlayed = 0;
    int secondSoundPlayed = 0;
    // Hundredths counter value when the current state began.
    int stateTime = 0;
    // The same, before any shift: a parry answer or an opening attack starts already under way,
    // and the windows its stateTime puts before this moment were never due.
    int stateBegan = 0;
    // The timelines' own note, kept with the fighter so that a copy of it carries it along.
    WindowsPlayed played;
    // Hit points; only the player's are used.
    int life = 0;
    // Attacks started (not evades, quick attacks or parry answers).
    int attackCount = 0;
    // 0 while no attack runs, else 1 (wind-up), 2 (blade out) or 3 (strike).
    int attackPhase = 0;
    // Hundredths after stateTime at which each phase of an attack ends, and the evade's length.
    int highPhase1End = 0;
    int highPhase2End = 0;
    int highPhase3End = 0;
    int lowPhase1End = 0;
    int lowPhase2End = 0;
    int lowPhase3End = 0;
    int evadeDuration = 0;
    // "left" or "right" for the player; empty for an enemy.
    std::string facing;
    std::string attackState = states::normal;

    character() = default;

    void highAttack();
    void lowAttack();
    void returnNormal();
    std::string getAttackState();
    void setAttackState(std::string state);
    void evade();

protected:
    // Takes on the timings of both heights.
    void setTimings(const AttackTimings& timings);
    void stamp();
    // Enters an attacking state: stamped and counted.
    void startAttack(std::string state);
    // Enters "dead" unless already dead or gone; true if it did.
    bool die();
};
