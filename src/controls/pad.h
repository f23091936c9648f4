#pragma once
// A gamepad, through the library's joystick routines: the face buttons attack high and low and
// evade, the shoulders fire a carnage shot and turn, the stick or pad pushed back (away from where
// the hero faces) kicks high, pushed back and down kicks low; Start starts a bout on the title and
// pauses in one. A pad must be plugged in before the game starts; without one nothing changes.

#include <allegro.h>

#include "controls/input.h"
#include "controls/latch.h"

// Finds a pad (the library's config may name its device). True when one was found.
bool installPad();
// Reads the pad's state now; done once a logic tick and on the title.
void readPad();
// Whether the pad holds a move down for a hero facing right (or left).
bool padHolds(Move move, bool facingRight);
// Whether Start is down.
bool padStartDown();
// Start's latch (pressedNow): the title and the pause share it, so that the press that started
// a bout does not also pause it.
extern bool padStartHeld;

// The buttons, as the Linux joystick driver numbers them on most pads (A, B, X, Y, the two
// shoulders, Back, Start).
namespace padButtons {
constexpr int a = 0, b = 1, x = 2, y = 3, leftShoulder = 4, rightShoulder = 5, start = 7;
}
