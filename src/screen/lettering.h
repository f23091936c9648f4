#pragma once
// The font the game's words are printed in: 16 pixels high, grabbed from the lettering picture
// (the library's own font is 8 pixels high, too small to read at arm's length).

#include <allegro.h>

#include <string>

// The game's font once grabbed; nullptr before.
extern FONT* letters;
constexpr int lettersHeight = 16;

// Grabs the font from the loaded lettering picture. False if the library finds none in it.
bool grabLettering();

// Text in the game's font with its left end at x, or centred on x; transparent behind.
void letter(BITMAP* target, const std::string& text, int x, int y, int colour);
void letterCentred(BITMAP* target, const std::string& text, int x, int y, int colour);
// How wide a text prints in the game's font.
int letteredWidth(const std::string& text);
