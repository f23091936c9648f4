#pragma once
// The two enemy lines, their current and on-deck enemies, and the engaged enemy.

#include "fighters/enemy.h"

constexpr int lineLength = 100;

// The lines: elements are used in index order, each at most once per bout.
extern enemy enemies_R[lineLength];
extern enemy enemies_L[lineLength];

// Each line's current enemy (walking in, fighting, dying).
extern enemy* currentEnemyRight;
extern enemy* currentEnemyLeft;
// Each line's next enemy, shown waiting while it is "waiting".
extern enemy* enemyOnDeck_R;
extern enemy* enemyOnDeck_L;
// The enemy the player's actions are aimed at.
extern enemy* currentEnemy;

// How many elements the bout set-up fills.
extern int enemyNumRight;
extern int enemyNumLeft;
// Enemies of the line not yet finished, the current one included.
extern int enemiesLeft_R;
extern int enemiesLeft_L;
// Enemies of the line finished; the HUD prints their sum.
extern int killCount_R;
extern int killCount_L;

// Advance a line once its current enemy's death has played out.
void nextEnemyOnRight();
void nextEnemyOnLeft();
