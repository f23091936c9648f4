#include "choreography/enemy_windows.h"

#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "tally/tally.h"

namespace enemyWindows {

int stunLength(const enemy& e) { return e.stunDuration; }

namespace {
// For the card: a blow from behind comes from the line the hero turns his back on.
void noteStrike(const enemy& e, const char* height)
{
    const bool leftLine = &e >= enemies_L && &e < enemies_L + lineLength;
    noteBlow(e.enemyType, height, leftLine != (ryke.facing == facings::left));
}
} // namespace

void strikeHigh(enemy& e)
{
    noteStrike(e, states::high);
    ryke.hit(states::high, e.highDamage);
}
void strikeLow(enemy& e)
{
    noteStrike(e, states::low);
    ryke.hit(states::low, e.lowDamage);
}
void openAttack(enemy& e) { e.quickAttack(); }

void releaseOnDeckRight(enemy&)
{
    if (enemiesLeft_R > 1)
        enemyOnDeck_R->setAttackState(states::waiting);
}

void releaseOnDeckLeft(enemy&)
{
    if (enemiesLeft_L > 1)
        enemyOnDeck_L->setAttackState(states::waiting);
}

void removeRight(enemy& e)
{
    e.setAttackState(states::gone);
    nextEnemyOnRight();
}

void removeLeft(enemy& e)
{
    e.setAttackState(states::gone);
    nextEnemyOnLeft();
}

} // namespace enemyWindows
