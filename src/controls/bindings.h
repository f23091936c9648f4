#pragma once
// The player's keys. Each of seven keys does one thing facing right and its mirror facing left,
// so that whatever keys are chosen, the attacks stay on the side the hero faces and the kicks on
// the side behind him: the player moves the keys, never that rule.

#include <string>

#include "controls/input.h"

struct KeySlot {
    const char* name;       // in the settings file
    Move facingRight;       // what the key does with the hero facing right
    Move facingLeft;        // and facing left
    int defaultKey;         // the library's key code
};
constexpr int slotCount = 7;
extern const KeySlot keySlots[slotCount];

// The key of each slot, as chosen; keyMap follows it through applyKeys().
extern int boundKeys[slotCount];
// Rewrites keyMap from boundKeys.
void applyKeys();
// Puts every slot back on its default key, and applies them.
void restoreDefaultKeys();

// Why key may not go to slot among keys (the slots' keys now): "" when it may.
std::string refusalFor(int slot, int key, const int keys[slotCount]);
// A move in the player's words: "high attack".
const char* moveWords(Move move);
// The word a key is written with in the settings file ("K", "SPACE", "OPENBRACE"); ""
// for a key that cannot be chosen.
std::string keyLabel(int key);
// How a key is shown on a key cap on the screen ("K", "SPACE", "["); "?" for a key that cannot
// be chosen.
std::string keyCap(int key);
// The key a word names, or -1.
int keyLabelled(const std::string& name);
