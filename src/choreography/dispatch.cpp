#include "choreography/choreography.h"
#include "encounter/lines.h"

// The enemy the player faces decides as the engaged one; the one behind him waits longer.
static void decide(enemy* current)
{
    if (currentEnemy == current)
        current->attackBehavior();
    else
        current->altAttackBehavior();
}

void animate_enemy_R()
{
    decide(currentEnemyRight);
    animate_sword_R();
    animate_gun_R();
}

void animate_enemy_L()
{
    decide(currentEnemyLeft);
    animate_sword_L();
    animate_gun_L();
}
