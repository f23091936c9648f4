#include "choreography/enemy_windows.h"

#include "encounter/lines.h"
#include "fighters/parry.h"
#include "fighters/player.h"

namespace enemy_windows {

int highWindUp(const enemy& e) { return e.highPhase1End; }
int highBladeOut(const enemy& e) { return e.highPhase2End; }
int highStrike(const enemy& e) { return e.highPhase3End; }
int lowWindUp(const enemy& e) { return e.lowPhase1End; }
int lowBladeOut(const enemy& e) { return e.lowPhase2End; }
int lowStrike(const enemy& e) { return e.lowPhase3End; }
int evadeLength(const enemy& e) { return e.evadeDuration; }
int stunLength(const enemy& e) { return e.stunDuration; }

void parryHigh(enemy&) { checkForParry("high"); }
void parryLow(enemy&) { checkForParry("low"); }
void strikeHigh(enemy& e) { ryke.hit("high", e.highDamage); }
void strikeLow(enemy& e) { ryke.hit("low", e.lowDamage); }
void backToNormal(enemy& e) { e.returnNormal(); }
void openAttack(enemy& e) { e.quickAttack(); }

void releaseOnDeckRight(enemy&)
{
    if (enemiesLeft_R > 1)
        enemyOnDeck_R->setAttackState("waiting");
}

void releaseOnDeckLeft(enemy&)
{
    if (enemiesLeft_L > 1)
        enemyOnDeck_L->setAttackState("waiting");
}

void removeRight(enemy& e)
{
    e.setAttackState("gone");
    nextEnemyOnRight();
}

void removeLeft(enemy& e)
{
    e.setAttackState("gone");
    nextEnemyOnLeft();
}

} // namespace enemy_windows
