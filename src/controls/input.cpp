#include "controls/input.h"

#include <allegro.h>

#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/quit.h"

bool holding = false;

namespace {

struct KeyRow {
    int key;
    bool (*allowed)();
    void (*act)();
};

bool always() { return true; }
// Without a shot in hand the carnage key counts as not pressed.
bool hasShot() { return ryke.shots > 0.0; }

void highAttack() { ryke.highAttack(); }
void lowAttack() { ryke.lowAttack(); }
void evade() { ryke.evade(); }
void fireCarnageShot()
{
    ryke.carnageShot();
    ryke.shots -= 1.0;
}
void turn() { ryke.changeDirection(); }
void highKick() { ryke.highKick(); }
void lowKick() { ryke.lowKick(); }

// The attack keys are on the side the player looks towards, the kicks on the side behind him.
// Rows are tried from the top; the first whose key is down and condition holds is taken.
// clang-format off
//                                   key        condition  operation
const KeyRow facingRightKeys[] = {  {KEY_K,     always,    highAttack},
                                    {KEY_J,     always,    lowAttack},
                                    {KEY_SPACE, always,    evade},
                                    {KEY_H,     hasShot,   fireCarnageShot},
                                    {KEY_G,     always,    turn},
                                    {KEY_D,     always,    highKick},
                                    {KEY_F,     always,    lowKick} };

const KeyRow facingLeftKeys[] = {   {KEY_D,     always,    highAttack},
                                    {KEY_F,     always,    lowAttack},
                                    {KEY_SPACE, always,    evade},
                                    {KEY_G,     hasShot,   fireCarnageShot},
                                    {KEY_H,     always,    turn},
                                    {KEY_K,     always,    highKick},
                                    {KEY_J,     always,    lowKick} };
// clang-format on

template <std::size_t N>
const KeyRow* firstTaken(const KeyRow (&rows)[N])
{
    for (const KeyRow& row : rows)
        if (key[row.key] && row.allowed())
            return &row;
    return nullptr;
}

// One press, one action: a key held down acts once, until it is seen released.
void scan(const KeyRow* taken)
{
    if (!taken) {
        holding = false;
        return;
    }
    if (!holding)
        taken->act();
    holding = true;
}

bool mayAct() { return ryke.getAttackState() == "normal" && currentEnemy->getAttackState() != "dead"; }

} // namespace

void input()
{
    if (mayAct()) {
        if (ryke.facing == "right")
            scan(firstTaken(facingRightKeys));
        else if (ryke.facing == "left")
            scan(firstTaken(facingLeftKeys));
    }
    if (quitRequested()) {
        gameOn = 0;
        gameLoop = 0;
    }
}
