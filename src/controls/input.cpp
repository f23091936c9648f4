#include "controls/input.h"

#include <allegro.h>

#include "encounter/lines.h"
#include "fighters/names.h"
#include "fighters/player.h"
#include "shell/quit.h"

bool holding = false;

// clang-format off
//                                     move               facing right  facing left
const KeyBinding keyMap[moveCount] = {  {Move::highAttack,  KEY_K,        KEY_D},
                                            {Move::lowAttack,   KEY_J,        KEY_F},
                                            {Move::evade,       KEY_SPACE,    KEY_SPACE},
                                            {Move::carnageShot, KEY_H,        KEY_G},
                                            {Move::turn,        KEY_G,        KEY_H},
                                            {Move::highKick,    KEY_D,        KEY_K},
                                            {Move::lowKick,     KEY_F,        KEY_J} };
// clang-format on

int keyFor(Move move, const std::string& facing)
{
    for (const KeyBinding& binding : keyMap)
        if (binding.move == move)
            return facing == facings::right ? binding.facingRight : facing == facings::left ? binding.facingLeft : -1;
    return -1;
}

namespace {

bool always() { return true; }
// Without a shot in hand the carnage key counts as not pressed.
bool hasShot() { return ryke.shots > 0.0; }

void fireCarnageShot()
{
    ryke.carnageShot();
    ryke.shots -= 1.0;
}

struct MoveRow {
    Move move;
    bool (*allowed)();
    void (*act)();
};

// clang-format off
//                                  move               condition  operation
constexpr MoveRow moveRows[] = {  {Move::highAttack,  always,    [] { ryke.highAttack(); }},
                                  {Move::lowAttack,   always,    [] { ryke.lowAttack(); }},
                                  {Move::evade,       always,    [] { ryke.evade(); }},
                                  {Move::carnageShot, hasShot,   fireCarnageShot},
                                  {Move::turn,        always,    [] { ryke.changeDirection(); }},
                                  {Move::highKick,    always,    [] { ryke.highKick(); }},
                                  {Move::lowKick,     always,    [] { ryke.lowKick(); }} };
// clang-format on

const MoveRow* rowOf(Move move)
{
    for (const MoveRow& row : moveRows)
        if (row.move == move)
            return &row;
    return nullptr;
}

// The first binding whose key is down in this facing and whose move may start.
const MoveRow* firstTaken(int KeyBinding::*keyInFacing)
{
    for (const KeyBinding& binding : keyMap) {
        const MoveRow* row = rowOf(binding.move);
        if (key[binding.*keyInFacing] && row && row->allowed())
            return row;
    }
    return nullptr;
}

// One press, one action: a key held down acts once, until it is seen released.
void scan(const MoveRow* taken)
{
    if (pressedNow(holding, taken != nullptr))
        taken->act();
}

bool mayAct() { return ryke.getAttackState() == states::normal && currentEnemy->getAttackState() != states::dead; }

} // namespace

void input()
{
    if (mayAct()) {
        if (ryke.facing == facings::right)
            scan(firstTaken(&KeyBinding::facingRight));
        else if (ryke.facing == facings::left)
            scan(firstTaken(&KeyBinding::facingLeft));
    }
    if (quitRequested())
        endProgram();
}
