#include "fighters/player.h"

#include "encounter/lines.h"
#include "names/names.h"
#include "sound/cue.h"
#include "tally/tally.h"

player::player()
{
    life = fullLife;
    faceRight();
    setTimings(heroTimings);
}

// An attack at the height the engaged enemy is attacking at becomes the parry of that height.
static const char* attackOrParry(const char* height, const char* parry)
{
    return currentEnemy->getAttackState() == height ? parry : height;
}

void player::highAttack() { startAttack(attackOrParry(states::high, states::highParry)); }

void player::lowAttack() { startAttack(attackOrParry(states::low, states::lowParry)); }

void player::highKick() { startAttack(states::highKick); }

void player::lowKick() { startAttack(states::lowKick); }

void player::carnageShot() { startAttack(states::carnageShot); }

void player::faceLeft()
{
    facing = facings::left;
    currentEnemy = currentEnemyLeft;
}

void player::faceRight()
{
    facing = facings::right;
    currentEnemy = currentEnemyRight;
}

void player::changeDirection()
{
    if (facing == facings::right)
        faceLeft();
    else if (facing == facings::left)
        faceRight();
}

void player::hit(std::string attack, int amount)
{
    const std::string& state = attackState;
    if (state == states::normal || state == states::highKick || state == states::lowKick) {
        damage(amount);
        return;
    }
    const bool meets = state == attack || state == states::highParry || state == states::lowParry;
    if (meets && currentEnemy->getAttackState() == attack) {
        // Caught winding up, he is hurt; with his blade out the two blows cancel.
        if (attackPhase == 1) {
            damage(amount);
        } else if (attackPhase == 2 || attackPhase == 3) {
            returnNormal();
            currentEnemy->returnNormal();
            noteClash();
        }
        return;
    }
    if (state == states::low || state == states::high)
        damage(amount);
}

void player::damage(int amount)
{
    life -= amount;
    setAttackState(states::damaged);
    cue(Cue::grunt);
    if (life < 1)
        kill();
}

// No sound here: the player dies silently.
void player::kill()
{
    if (die())
        noteDeath(stateTime);
}

void player::raiseCarnage(int amount)
{
    carnage += amount;
    const double shotsBefore = shots;
    if (carnage >= carnageMax) {
        shots += 1;
        carnage -= carnageMax;
    }
    // Past the cap the meter keeps counting and the extra shot is dropped.
    if (shots > carnageMax)
        shots = carnageMax;
    if (shots > shotsBefore)
        noteShotEarned();
}
