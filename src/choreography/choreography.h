#pragma once
// The time-driven choreography: each function plays one fighter's current window for this frame.

// Hundredths into a move: an enemy walks in for walkInLasts; the hero's kick reaches the enemy
// behind him from kickReaches until kickWithdraws.
constexpr int walkInLasts = 25;
constexpr int kickReaches = 20;
constexpr int kickWithdraws = 30;

// The player: draws him and delivers his moves' effects.
void animate_ryke();

// Sword and gun fighters of each line; each acts only on its own kind.
void animate_sword_R();
void animate_sword_L();
void animate_gun_R();
void animate_gun_L();

// One line's current enemy for one frame: its decision, then its kind's timeline.
void animate_enemy_R();
void animate_enemy_L();

// The waiting enemy of each line, small at the edge of the screen.
void animate_enemyOnDeck_R();
void animate_enemyOnDeck_L();
