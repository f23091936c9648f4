#include "controls/bindings.h"

#include <allegro.h>

#include "fighters/names.h"

// clang-format off
//                                  name          facing right        facing left         default
const KeySlot keySlots[slotCount] = { {"left_high",  Move::highKick,     Move::highAttack,   KEY_D},
                                      {"left_low",   Move::lowKick,      Move::lowAttack,    KEY_F},
                                      {"left_shot",  Move::turn,         Move::carnageShot,  KEY_G},
                                      {"right_shot", Move::carnageShot,  Move::turn,         KEY_H},
                                      {"right_low",  Move::lowAttack,    Move::lowKick,      KEY_J},
                                      {"right_high", Move::highAttack,   Move::highKick,     KEY_K},
                                      {"evade_key",  Move::evade,        Move::evade,        KEY_SPACE} };
// clang-format on

int boundKeys[slotCount] = {KEY_D, KEY_F, KEY_G, KEY_H, KEY_J, KEY_K, KEY_SPACE};

namespace {

struct NamedKey {
    int key;
    const char* name;
};
// The keys a player may choose, by the names the library's key codes have.
// clang-format off
//                              key              name
constexpr NamedKey namedKeys[] = {
    {KEY_A, "A"}, {KEY_B, "B"}, {KEY_C, "C"}, {KEY_D, "D"}, {KEY_E, "E"}, {KEY_F, "F"}, {KEY_G, "G"},
    {KEY_H, "H"}, {KEY_I, "I"}, {KEY_J, "J"}, {KEY_K, "K"}, {KEY_L, "L"}, {KEY_M, "M"}, {KEY_N, "N"},
    {KEY_O, "O"}, {KEY_Q, "Q"}, {KEY_R, "R"}, {KEY_S, "S"}, {KEY_T, "T"}, {KEY_U, "U"},
    {KEY_V, "V"}, {KEY_W, "W"}, {KEY_X, "X"}, {KEY_Y, "Y"}, {KEY_Z, "Z"},
    {KEY_0, "0"}, {KEY_1, "1"}, {KEY_2, "2"}, {KEY_3, "3"}, {KEY_4, "4"}, {KEY_5, "5"}, {KEY_6, "6"},
    {KEY_7, "7"}, {KEY_8, "8"}, {KEY_9, "9"},
    {KEY_0_PAD, "PAD_0"}, {KEY_1_PAD, "PAD_1"}, {KEY_2_PAD, "PAD_2"}, {KEY_3_PAD, "PAD_3"},
    {KEY_4_PAD, "PAD_4"}, {KEY_5_PAD, "PAD_5"}, {KEY_6_PAD, "PAD_6"}, {KEY_7_PAD, "PAD_7"},
    {KEY_8_PAD, "PAD_8"}, {KEY_9_PAD, "PAD_9"},
    {KEY_SPACE, "SPACE"}, {KEY_TILDE, "TILDE"}, {KEY_MINUS, "MINUS"}, {KEY_EQUALS, "EQUALS"},
    {KEY_BACKSPACE, "BACKSPACE"}, {KEY_OPENBRACE, "OPENBRACE"}, {KEY_CLOSEBRACE, "CLOSEBRACE"},
    {KEY_COLON, "COLON"}, {KEY_QUOTE, "QUOTE"}, {KEY_BACKSLASH, "BACKSLASH"}, {KEY_BACKSLASH2, "BACKSLASH2"},
    {KEY_COMMA, "COMMA"}, {KEY_STOP, "STOP"}, {KEY_SLASH, "SLASH"},
    {KEY_INSERT, "INSERT"}, {KEY_DEL, "DEL"}, {KEY_HOME, "HOME"}, {KEY_END, "END"},
    {KEY_PGUP, "PGUP"}, {KEY_PGDN, "PGDN"},
    {KEY_SLASH_PAD, "SLASH_PAD"}, {KEY_ASTERISK, "ASTERISK"}, {KEY_MINUS_PAD, "MINUS_PAD"},
    {KEY_PLUS_PAD, "PLUS_PAD"}, {KEY_DEL_PAD, "DEL_PAD"}, {KEY_ENTER_PAD, "ENTER_PAD"},
};
// clang-format on

// Keys the game needs for itself, with what they do.
// clang-format off
//                              key          what it does
constexpr NamedKey keptKeys[] = { {KEY_ESC,   "ends the game"},
                                  {KEY_ENTER, "starts a bout"},
                                  {KEY_P,     "pauses"},
                                  {KEY_F11,   "switches fullscreen"},
                                  {KEY_TAB,   "opens this page"},
                                  {KEY_LEFT,  "chooses the speed"},
                                  {KEY_RIGHT, "chooses the speed"},
                                  {KEY_UP,    "chooses the speed"},
                                  {KEY_DOWN,  "chooses the speed"} };
// clang-format on

} // namespace

// The word for a key the player may not choose, for saying why.
static std::string keyLabelOrWord(int key)
{
    // clang-format off
    //                               key          word
    constexpr NamedKey words[] = { {KEY_ESC,   "ESC"}, {KEY_ENTER, "ENTER"}, {KEY_P, "P"}, {KEY_F11, "F11"},
                                   {KEY_TAB,   "TAB"}, {KEY_LEFT,  "LEFT"},  {KEY_RIGHT, "RIGHT"},
                                   {KEY_UP,    "UP"},  {KEY_DOWN,  "DOWN"} };
    // clang-format on
    for (const NamedKey& w : words)
        if (w.key == key)
            return w.name;
    return keyLabel(key);
}

const char* moveWords(Move move)
{
    switch (move) {
    case Move::highAttack: return "high attack";
    case Move::lowAttack: return "low attack";
    // The state's name is the player's word for it.
    case Move::evade: return states::evade;
    case Move::carnageShot: return "carnage shot";
    case Move::turn: return "turn";
    case Move::highKick: return "high kick";
    case Move::lowKick: return "low kick";
    }
    return "";
}

void applyKeys()
{
    for (KeyBinding& binding : keyMap)
        for (int s = 0; s < slotCount; ++s) {
            if (keySlots[s].facingRight == binding.move)
                binding.facingRight = boundKeys[s];
            if (keySlots[s].facingLeft == binding.move)
                binding.facingLeft = boundKeys[s];
        }
}

void restoreDefaultKeys()
{
    for (int s = 0; s < slotCount; ++s)
        boundKeys[s] = keySlots[s].defaultKey;
    applyKeys();
}

std::string refusalFor(int slot, int key, const int keys[slotCount])
{
    for (const NamedKey& kept : keptKeys)
        if (kept.key == key)
            return keyLabelOrWord(key) + " " + kept.name;
    if (keyLabel(key).empty())
        return "that key cannot be chosen";
    for (int s = 0; s < slotCount; ++s)
        if (s != slot && keys[s] == key)
            return keyLabel(key) + " is the " + moveWords(keySlots[s].facingRight) + " facing right";
    return "";
}

std::string keyLabel(int key)
{
    for (const NamedKey& named : namedKeys)
        if (named.key == key)
            return named.name;
    return "";
}

int keyLabelled(const std::string& name)
{
    for (const NamedKey& named : namedKeys)
        if (name == named.name)
            return named.key;
    return -1;
}
