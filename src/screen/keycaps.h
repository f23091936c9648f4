#pragma once
// The keys told on screen: the table of what each key does in each facing (on the title and the
// pause sign), and the coach's hints, each key drawn as a key cap beside its words.

#include <allegro.h>

#include <string>
#include <vector>

// One row of the keys table: what it does, and its key facing left and facing right.
struct KeysRow {
    std::string does, facingLeft, facingRight;
};
// The table's rows, from the keyboard handler's own map.
std::vector<KeysRow> keysRows();

// A key cap with its label at (x, y), one line of text high; returns its width.
int drawKeyCap(BITMAP* target, const std::string& label, int x, int y);
// A dark plate with a tan border, for panels of words.
void drawPlate(BITMAP* target, int x1, int y1, int x2, int y2);

// The keys table at (x, y): both facings, or only the one given ("left" or "right").
void drawKeysTable(BITMAP* target, int x, int y, const std::string& onlyFacing = "");
// The table's size on the screen.
constexpr int keysRowPitch = 28;
int keysTableWidth(bool bothFacings);
int keysTableHeight();

// The coach's hints ("D: parry high"), one plate each, stacked in the sky over the fighters.
void drawHints(BITMAP* target, const std::vector<std::string>& hints);
// Where the first hint's text goes, and the pitch of the next ones.
constexpr int hintsTop = 96;
constexpr int hintsPitch = 40;

// The colours of the words.
int cream();
int dark();
