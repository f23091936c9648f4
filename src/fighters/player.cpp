#include "fighters/player.h"

#include "encounter/lines.h"
#include "sound/cue.h"

player::player()
{
    life = 100;
    faceRight();
    setTimings(heroTimings);
}

// An attack at the height the engaged enemy is attacking at becomes a parry.
static std::string attackOrParry(const std::string& height)
{
    return currentEnemy->getAttackState() == height ? height + "Parry" : height;
}

void player::highAttack() { startAttack(attackOrParry("high")); }

void player::lowAttack() { startAttack(attackOrParry("low")); }

void player::highKick() { startAttack("highKick"); }

void player::lowKick() { startAttack("lowKick"); }

void player::carnageShot() { startAttack("carnageShot"); }

void player::faceLeft()
{
    facing = "left";
    currentEnemy = currentEnemyLeft;
}

void player::faceRight()
{
    facing = "right";
    currentEnemy = currentEnemyRight;
}

void player::changeDirection()
{
    if (facing == "right")
        faceLeft();
    else if (facing == "left")
        faceRight();
}

void player::hit(std::string attack, int amount)
{
    const std::string& state = attackState;
    if (state == "normal" || state == "highKick" || state == "lowKick") {
        damage(amount);
        return;
    }
    const bool meets = state == attack || state == "highParry" || state == "lowParry";
    if (meets && currentEnemy->getAttackState() == attack) {
        // Caught winding up, he is hurt; with his blade out the two blows cancel.
        if (attackPhase == 1) {
            damage(amount);
        } else if (attackPhase == 2 || attackPhase == 3) {
            returnNormal();
            currentEnemy->returnNormal();
        }
        return;
    }
    if (state == "low" || state == "high")
        damage(amount);
}

void player::damage(int amount)
{
    life -= amount;
    setAttackState("damaged");
    cue(Cue::grunt);
    if (life < 1)
        kill();
}

// No sound here: the player dies silently.
void player::kill() { die(); }

void player::raiseCarnage(int amount)
{
    carnage += amount;
    if (carnage >= carnageMax) {
        shots += 1;
        carnage -= carnageMax;
    }
    // Past the cap the meter keeps counting and the extra shot is dropped.
    if (shots > carnageMax)
        shots = carnageMax;
}
