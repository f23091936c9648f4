#pragma once

#include <string>

#include "fighters/character.h"

// The hero's life at the start of a bout, and the most a carnage shot gives back.
constexpr int fullLife = 100;

// The hero's attacks wind up for 30 hundredths; a parry winds up in a quarter of that.
constexpr AttackTimings heroTimings = timingsAfterWindUp(30);
constexpr int parryWindUpEnds(int attackWindUpEnds) { return attackWindUpEnds / 4; }

// The player's fighter: the character plus the carnage meter and the shots it buys.
class player : public character {
public:
    // Carnage needed for one shot; also the most shots the player can hold.
    double carnageMax = 10.0;
    double carnage = 0.0;
    double shots = 0.0;

    player();

    // Attacks high, or parries when the engaged enemy is attacking high.
    void highAttack();
    // Attacks low, or parries when the engaged enemy is attacking low.
    void lowAttack();
    void highKick();
    void lowKick();
    // Starts a carnage shot; the caller spends the shot.
    void carnageShot();
    void faceLeft();
    void faceRight();
    void changeDirection();
    // An enemy's blow of height attack ("high" or "low") worth amount reaches the player.
    void hit(std::string attack, int amount);
    void damage(int amount);
    void kill();
    void raiseCarnage(int amount);
};

// The one player.
extern player ryke;
