#include "fighters/enemy.h"

#include <cstdlib>

#include "fighters/player.h"
#include "names/names.h"
#include "shell/timer.h"
#include "sound/cue.h"
#include "tally/tally.h"

// clang-format off
//                             type              quick   evLo evHi paHi paLo haste stun loDmg hiDmg shift coHi coLo  timings
const EnemyKind swordKind = {kinds::sword, states::high, {1,   2,   1,   2,   -20,  40,  20,   15,   -10,  1,   2}, timingsAfterWindUp(40)};
const EnemyKind gunKind   = {kinds::gun,   states::low,  {2,   1,   2,   1,   -20,  80,  15,   18,   +20,  2,   2}, timingsAfterWindUp(55)};
// clang-format on

bool chance(int n) { return std::rand() % n == 0; }

enemy::enemy() { stamp(); }

void enemy::becomeKind(const EnemyKind& kind)
{
    enemyType = kind.type;
    quickAttackHeight = kind.quickAttackHeight;
    static_cast<KindValues&>(*this) = kind.values;
    setTimings(kind.timings);
}

standardSword::standardSword() { becomeKind(swordKind); }

standardGun::standardGun() { becomeKind(gunKind); }

void enemy::enterCombat()
{
    attackState = states::moving;
    stamp();
}

void enemy::quickAttack()
{
    // The opening attack starts shifted in time and is not counted as an attack.
    setAttackState(quickAttackHeight);
    stateTime += quickAttackShift;
}

bool enemy::attemptEvade(std::string attack)
{
    if (!chance(attack == states::high ? evadeHighOdds : evadeLowOdds))
        return false;
    evade();
    return true;
}

void enemy::attemptParry(std::string attack)
{
    if (chance(attack == states::high ? parryHighOdds : parryLowOdds)) {
        setAttackState(attack);
        // The answer starts already under way, further along if the player's blade is out.
        stateTime += parryHaste;
        if (ryke.attackPhase == 2)
            stateTime += parryHaste;
        parryTries = 0;
        return;
    }
    ++parryTries;
    if (ryke.attackPhase == 2)
        parryTries = 0;
}

std::string enemy::getEnemyType() { return enemyType; }

void enemy::counterAttack(std::string attack)
{
    const bool strikesBack = (attack == states::high && chance(counterHighOdds)) ||
                             (attack == states::low && chance(counterLowOdds));
    if (!strikesBack)
        return;
    // High one time in three, low two times in three.
    if (chance(3))
        highAttack();
    else
        lowAttack();
}

void enemy::attackBehavior()
{
    if (attackState != states::normal)
        return;
    const std::string playerState = ryke.getAttackState();
    if (playerState == states::high || playerState == states::low) {
        // One answer during the player's wind-up and, if that failed, one more with his blade out.
        if ((ryke.attackPhase == 1 && parryTries == 0) || (ryke.attackPhase == 2 && parryTries == 1))
            attemptParry(playerState);
        return;
    }
    if (stateTime + attackDelay < hundredthsNow()) {
        if ((std::rand() & 1) == 0)
            highAttack();
        else
            lowAttack();
    }
}

void enemy::altAttackBehavior()
{
    // Behind the player an enemy waits three times as long and alternates high and low.
    if (attackState == states::normal && stateTime + 3 * attackDelay < hundredthsNow()) {
        if (attackCount % 2 == 0)
            highAttack();
        else
            lowAttack();
    }
}

void enemy::hit(std::string attack)
{
    if (attackState == states::normal) {
        if (!attemptEvade(attack))
            kill();
        return;
    }
    if (attackState == attack && ryke.getAttackState() == attack) {
        // Caught winding up it dies; with its blade out the blows cancel and it is slowed.
        if (attackPhase == 1) {
            kill();
        } else if (attackPhase == 2 || attackPhase == 3) {
            returnNormal();
            ryke.returnNormal();
            slowDown(attack);
            noteClash();
        }
        return;
    }
    if (attackState == states::low || attackState == states::high || attackState == states::stunned)
        kill();
}

void enemy::kill()
{
    if (!die())
        return;
    ryke.raiseCarnage(1);
    cue(Cue::enemyDeath);
}

void enemy::stun(std::string attack)
{
    if (attackState != states::normal && attackState != states::high && attackState != states::low)
        return;
    // A kick at the height the enemy is attacking at stuns it four times as long.
    stunDuration = attack == attackState ? 4 * stunBase : stunBase;
    // Not stamped: the stun runs from the enemy's previous change of state, maybe already over.
    attackState = states::stunned;
    noteStun();
}

void enemy::slowDown(std::string attack)
{
    if (attack == states::low) {
        ++evadeHighOdds;
        ++parryHighOdds;
    } else if (attack == states::high) {
        ++evadeLowOdds;
        ++parryLowOdds;
    }
    ryke.raiseCarnage(2);
}
