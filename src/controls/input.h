#pragma once
// The keyboard handler, and the one map of which key makes which move.

#include <string>

#include "controls/latch.h"

// What a key can make the player do.
enum class Move { highAttack, lowAttack, evade, carnageShot, turn, highKick, lowKick };

// The key of a move in each facing. The attack keys are on the side the player looks towards,
// the kicks on the side behind him.
struct KeyBinding {
    Move move;
    int facingRight;
    int facingLeft;
};

// In the order the keys are tried: the first whose key is down and whose move may start is taken.
constexpr int moveCount = 7;
extern const KeyBinding keyMap[moveCount];

// The library's key code of a move for a player facing "right" or "left"; -1 for another facing.
int keyFor(Move move, const std::string& facing);

// True while an action key seen down has not yet been seen released: one action per press.
extern bool holding;

// Turns the keys that are down now into at most one player action; ESC ends the game.
void input();
