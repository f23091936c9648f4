#include "encounter/lines.h"
#include "names/names.h"

// The arrays themselves are defined with the player, who must be built before them.

enemy* currentEnemyRight;
enemy* currentEnemyLeft;
enemy* enemyOnDeck_R;
enemy* enemyOnDeck_L;
enemy* currentEnemy;

int enemyNumRight = lineLength;
int enemyNumLeft = lineLength;
int enemiesLeft_R;
int enemiesLeft_L;
int killCount_R;
int killCount_L;

// One advance of a line, the same on both sides.
static void advance(enemy (&line)[lineLength], int& killCount, int& enemiesLeft, enemy*& current,
                    enemy*& onDeck)
{
    ++killCount;
    --enemiesLeft;
    // Exhausted: the current pointer stays on the finished enemy.
    if (enemiesLeft <= 0)
        return;
    current = onDeck;
    current->enterCombat();
    // The last enemy of a line is its own on-deck enemy.
    if (enemiesLeft <= 1)
        return;
    onDeck = &line[killCount + 1];
    // Hidden until the new current enemy's walk-in shows it.
    onDeck->setAttackState(states::gone);
}

void nextEnemyOnRight() { advance(enemies_R, killCount_R, enemiesLeft_R, currentEnemyRight, enemyOnDeck_R); }

void nextEnemyOnLeft() { advance(enemies_L, killCount_L, enemiesLeft_L, currentEnemyLeft, enemyOnDeck_L); }
