#pragma once
// The moments the contact sheet shows: every state of the hero and of both enemy kinds on both
// sides, each at chosen hundredths into it, and how to put a fresh bout into that moment.

#include <string>
#include <vector>


enum class Subject { Hero, Sword, Gun };
enum class Side { Right, Left };

// The state the cell shows when the fighter is the on-deck enemy rather than the current one.
constexpr const char* kOnDeck = "onDeck";

struct Cell {
    Subject who;
    Side side;
    const char* state;
    int e;  // hundredths since the state began
};

struct Group {
    std::string title;
    std::vector<Cell> cells;
};

// Hero facing right, facing left, then each enemy kind on the right and on the left.
std::vector<Group> sheetGroups();

// "high e=42", the cell's caption.
std::string caption(const Cell& cell);

// Starts a fresh bout from the pools, puts the cell's fighter into its state e hundredths ago
// and composes that frame through the game's animate() into `screen`.
void composeCell(const Cell& cell);
