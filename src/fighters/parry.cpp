#include "fighters/parry.h"

#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "sound/cue.h"
#include "tally/tally.h"

void checkForParry(std::string attack)
{
    // The engaged enemy is found afresh from the facing, whichever timeline asks.
    if (ryke.facing == facings::left)
        currentEnemy = currentEnemyLeft;
    else if (ryke.facing == facings::right)
        currentEnemy = currentEnemyRight;

    const std::string playerState = ryke.getAttackState();
    // A parry meets an attack at either height: it was only entered against that height.
    const bool meets = (playerState == attack || playerState == states::highParry || playerState == states::lowParry) &&
                       currentEnemy->getAttackState() == attack;
    const bool bladesOut = ryke.attackPhase == 2 && (currentEnemy->attackPhase == 2 || currentEnemy->attackPhase == 3);
    if (!meets || !bladesOut)
        return;

    cue(Cue::swordClash);
    noteClash();
    // Only an enemy whose move was already under way when the player answered is slowed.
    if (ryke.stateTime > currentEnemy->stateTime)
        currentEnemy->slowDown(attack);
    ryke.returnNormal();
    currentEnemy->returnNormal();
    currentEnemy->counterAttack(attack);
}
