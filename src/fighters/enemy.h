#pragma once

#include <string>

#include "fighters/character.h"

// The values that tell the two kinds apart and that a fighter keeps as its own (clashes change
// some of them); chances are 1 in n, times in hundredths.
struct KindValues {
    // Chances, 1 in n: evading a blow at a height, answering an attack at a height.
    int evadeLowOdds = 0;
    int evadeHighOdds = 0;
    int parryHighOdds = 0;
    int parryLowOdds = 0;
    // Signed shift of stateTime when a parry answer starts (twice if the player is in phase 2).
    int parryHaste = 0;
    // Length of a stun; four times this when the kick meets the height being attacked at.
    int stunBase = 0;
    // Damage of this enemy's low and high strikes on the player.
    int lowDamage = 0;
    int highDamage = 0;
    // Signed shift of stateTime when the opening attack starts.
    int quickAttackShift = 0;
    // Chances, 1 in n, of striking back after a parried exchange at a height.
    int counterHighOdds = 0;
    int counterLowOdds = 0;
};

// One kind of enemy: its name, the height of its opening attack, its values and its timings.
struct EnemyKind {
    const char* type;
    const char* quickAttackHeight;
    KindValues values;
    AttackTimings timings;
};

// The two kinds the lines are made of.
extern const EnemyKind swordKind;
extern const EnemyKind gunKind;

// Every opponent. The two kinds differ only in the values their constructors set, and the
// lines hold them as plain enemies whose kind is the text enemyType.
class enemy : public character, public KindValues {
public:
    // "standard_sword" or "standard_gun".
    std::string enemyType;
    // The state quickAttack enters: "high" or "low".
    std::string quickAttackHeight;
    // Parry answers tried against the player's current attack.
    int parryTries = 0;
    // Length of the current stun, measured from stateTime.
    int stunDuration = 0;
    // Idle time before the engaged enemy attacks unprovoked (three times that behind the player).
    int attackDelay = 200;

    enemy();

    void enterCombat();
    void quickAttack();
    bool attemptEvade(std::string attack);
    void attemptParry(std::string attack);
    std::string getEnemyType();
    void counterAttack(std::string attack);
    // The decision of the engaged enemy, once a frame.
    void attackBehavior();
    // The decision of the current enemy behind the player, once a frame.
    void altAttackBehavior();
    // The player's blow of height attack reaches this enemy.
    void hit(std::string attack);
    void kill();
    // A kick of height attack reaches this enemy.
    void stun(std::string attack);
    // After an exchange at height attack: worse at the other height for good.
    void slowDown(std::string attack);

protected:
    // Takes on the values that make a fighter of one kind.
    void becomeKind(const EnemyKind& kind);
};

class standardSword : public enemy {
public:
    standardSword();
};

class standardGun : public enemy {
public:
    standardGun();
};

// True once in n draws of rand().
bool chance(int n);
