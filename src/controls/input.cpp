#include "controls/input.h"

#include <allegro.h>

#include <atomic>

#include "controls/pad.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/quit.h"
#include "tally/tally.h"

bool holding = false;

// clang-format off
//                                     move               facing right  facing left
KeyBinding keyMap[moveCount] = {        {Move::highAttack,  KEY_K,        KEY_D},
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

// Keys that went down since the last logic tick; set on the library's keyboard thread.
std::atomic<bool> downSinceTick[KEY_MAX];
// Each key as the keyboard's callback last saw it, so that a held key's repeats are no new press.
std::atomic<bool> seenDown[KEY_MAX];
// downSinceTick as this tick took it: a press reported while the tick runs counts at the next.
bool pressedForTick[KEY_MAX];

void takePresses()
{
    for (int code = 0; code < KEY_MAX; ++code)
        pressedForTick[code] = downSinceTick[code].exchange(false, std::memory_order_relaxed);
}

bool downNowOrSinceTick(int code) { return key[code] || pressedForTick[code]; }

// An action key pressed since the last tick, and none held down from before it: every key the
// latch last saw down has been let go, though the latch, not asked while the hero was busy,
// missed the release. Whether the new press is already up again or still down at this tick.
bool aNewPress()
{
    bool pressed = false;
    for (const KeyBinding& binding : keyMap)
        for (int code : {binding.facingRight, binding.facingLeft}) {
            if (key[code] && !pressedForTick[code])
                return false;
            pressed = pressed || pressedForTick[code];
        }
    return pressed;
}

bool always() { return true; }
// Without a shot in hand the carnage key counts as not pressed.
bool hasShot() { return ryke.shots > 0.0; }

void fireCarnageShot()
{
    ryke.carnageShot();
    ryke.shots -= 1.0;
    noteShotFired();
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

// The first binding whose key (or the pad) is down in this facing and whose move may start.
const MoveRow* firstTaken(int KeyBinding::*keyInFacing)
{
    const bool facingRight = keyInFacing == &KeyBinding::facingRight;
    for (const KeyBinding& binding : keyMap) {
        const MoveRow* row = rowOf(binding.move);
        if ((downNowOrSinceTick(binding.*keyInFacing) || padHolds(binding.move, facingRight)) && row && row->allowed())
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
    readPad();
    // Taken at every tick, so a tap made while the hero is busy is lost, as it always was.
    takePresses();
    if (mayAct()) {
        if (aNewPress())
            holding = false;
        if (ryke.facing == facings::right)
            scan(firstTaken(&KeyBinding::facingRight));
        else if (ryke.facing == facings::left)
            scan(firstTaken(&KeyBinding::facingLeft));
    }
    if (quitRequested())
        endProgram();
}

void noteKeyDown(int code)
{
    if (code > 0 && code < KEY_MAX)
        downSinceTick[code].store(true, std::memory_order_relaxed);
}

void forgetTaps()
{
    for (std::atomic<bool>& down : downSinceTick)
        down.store(false, std::memory_order_relaxed);
}

void noteKeyChange(int scancode)
{
    const int code = scancode & 0x7f;
    if (scancode & 0x80)
        seenDown[code].store(false, std::memory_order_relaxed);
    else if (!seenDown[code].exchange(true, std::memory_order_relaxed))
        noteKeyDown(code);
}
