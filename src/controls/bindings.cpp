#include "controls/bindings.h"

#include <allegro.h>

#include "names/names.h"

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
struct ChoosableKey {
    int key;
    const char* name; // in the settings file
    const char* cap;  // on the screen: short enough for a key cap in the keys table
};
// The keys a player may choose, by the names the library's key codes have.
// clang-format off
//                                  key              name          cap
constexpr ChoosableKey namedKeys[] = {
    {KEY_A, "A", "A"}, {KEY_B, "B", "B"}, {KEY_D, "D", "D"}, {KEY_E, "E", "E"}, {KEY_F, "F", "F"},
    {KEY_G, "G", "G"}, {KEY_H, "H", "H"}, {KEY_I, "I", "I"}, {KEY_J, "J", "J"}, {KEY_K, "K", "K"},
    {KEY_L, "L", "L"}, {KEY_M, "M", "M"}, {KEY_N, "N", "N"}, {KEY_O, "O", "O"}, {KEY_Q, "Q", "Q"},
    {KEY_R, "R", "R"}, {KEY_S, "S", "S"}, {KEY_T, "T", "T"}, {KEY_U, "U", "U"}, {KEY_V, "V", "V"},
    {KEY_W, "W", "W"}, {KEY_X, "X", "X"}, {KEY_Y, "Y", "Y"}, {KEY_Z, "Z", "Z"},
    {KEY_0, "0", "0"}, {KEY_1, "1", "1"}, {KEY_2, "2", "2"}, {KEY_3, "3", "3"}, {KEY_4, "4", "4"},
    {KEY_5, "5", "5"}, {KEY_6, "6", "6"}, {KEY_7, "7", "7"}, {KEY_8, "8", "8"}, {KEY_9, "9", "9"},
    {KEY_0_PAD, "PAD_0", "PAD0"}, {KEY_1_PAD, "PAD_1", "PAD1"}, {KEY_2_PAD, "PAD_2", "PAD2"},
    {KEY_3_PAD, "PAD_3", "PAD3"}, {KEY_4_PAD, "PAD_4", "PAD4"}, {KEY_5_PAD, "PAD_5", "PAD5"},
    {KEY_6_PAD, "PAD_6", "PAD6"}, {KEY_7_PAD, "PAD_7", "PAD7"}, {KEY_8_PAD, "PAD_8", "PAD8"},
    {KEY_9_PAD, "PAD_9", "PAD9"},
    {KEY_SPACE, "SPACE", "SPACE"}, {KEY_TILDE, "TILDE", "`"}, {KEY_MINUS, "MINUS", "-"},
    {KEY_EQUALS, "EQUALS", "="}, {KEY_BACKSPACE, "BACKSPACE", "BKSP"}, {KEY_OPENBRACE, "OPENBRACE", "["},
    {KEY_CLOSEBRACE, "CLOSEBRACE", "]"}, {KEY_COLON, "COLON", ";"}, {KEY_QUOTE, "QUOTE", "'"},
    {KEY_BACKSLASH, "BACKSLASH", "\\"}, {KEY_BACKSLASH2, "BACKSLASH2", "<"}, {KEY_COMMA, "COMMA", ","},
    {KEY_STOP, "STOP", "."}, {KEY_SLASH, "SLASH", "/"},
    {KEY_INSERT, "INSERT", "INS"}, {KEY_DEL, "DEL", "DEL"}, {KEY_HOME, "HOME", "HOME"}, {KEY_END, "END", "END"},
    {KEY_PGUP, "PGUP", "PGUP"}, {KEY_PGDN, "PGDN", "PGDN"},
    {KEY_SLASH_PAD, "SLASH_PAD", "PAD/"}, {KEY_ASTERISK, "ASTERISK", "PAD*"}, {KEY_MINUS_PAD, "MINUS_PAD", "PAD-"},
    {KEY_PLUS_PAD, "PLUS_PAD", "PAD+"}, {KEY_DEL_PAD, "DEL_PAD", "PAD."}, {KEY_ENTER_PAD, "ENTER_PAD", "PADEN"},
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
                                  {KEY_C,     "switches the coach"},
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
    constexpr NamedKey words[] = { {KEY_ESC,   "ESC"}, {KEY_ENTER, "ENTER"}, {KEY_P, "P"}, {KEY_F11, "F11"}, {KEY_C, "C"},
                                   {KEY_TAB,   "TAB"}, {KEY_LEFT,  "LEFT"},  {KEY_RIGHT, "RIGHT"},
                                   {KEY_UP,    "UP"},  {KEY_DOWN,  "DOWN"} };
    // clang-format on
    for (const NamedKey& w : words)
        if (w.key == key)
            return w.name;
    return keyCap(key);
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
            return keyCap(key) + " is the " + moveWords(keySlots[s].facingRight) + " facing right";
    return "";
}

std::string keyLabel(int key)
{
    for (const ChoosableKey& named : namedKeys)
        if (named.key == key)
            return named.name;
    return "";
}

std::string keyCap(int key)
{
    for (const ChoosableKey& named : namedKeys)
        if (named.key == key)
            return named.cap;
    return "?";
}

int keyLabelled(const std::string& name)
{
    for (const ChoosableKey& named : namedKeys)
        if (name == named.name)
            return named.key;
    return -1;
}
