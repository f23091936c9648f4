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
// The player's keys (controls/bindings.h) rewrite it; the moves and their order stay.
constexpr int moveCount = 7;
extern KeyBinding keyMap[moveCount];

// The library's key code of a move for a player facing "right" or "left"; -1 for another facing.
int keyFor(Move move, const std::string& facing);

// True while an action key seen down has not yet been seen released: one action per press.
extern bool holding;

// Turns the keys that are down now, or went down since the last call, into at most one player
// action; ESC ends the game.
void input();

// A key went down (the library's key code). A key pressed and let go between two calls of
// input counts there as down, once: a tap shorter than a logic tick is not lost.
void noteKeyDown(int code);
// Forgets the keys that went down before now (on the title, between bouts).
void forgetTaps();
// A key event the library read (its scancode, with the top bit set for a release), on the
// library's keyboard thread: feeds noteKeyDown, and a held key's repeats are no new press.
void noteKeyChange(int scancode);
