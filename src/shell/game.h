#pragma once
// The spine: title screen, bouts and the frame loop.

#include "encounter/lines.h"
#include "screen/frame.h"

// The fresh fighters a bout's lines are copied from: built in this order, each in index order,
// and destroyed in the reverse order once the bout's frame loop has ended.
struct EnemyPools {
    standardSword swordRight[lineLength];
    standardGun gunRight[lineLength];
    standardSword swordLeft[lineLength];
    standardGun gunLeft[lineLength];
};

// F11 or Alt+ENTER, on any screen: switches between the window and fullscreen, and keeps the choice.
void switchScreenByKeys();
// Shows the title, with the assist speed the arrow keys choose and the best score at it, until ENTER (returns with gameLoop set) or a quit request (clears gameLoop).
void titleScreen();
// Resets the player and the counters for a new bout (everything before the lines are filled).
void startBout();
// Fills both lines from the pools, puts the second enemy of each on deck and faces the player left.
void fillLines(const EnemyPools& pools);
// One pass of the frame loop: logic catch-up, one composed frame, the end-of-bout rule.
void framePass();
// The hero is dead, or both lines are empty: the kills can grow no more.
bool boutOver();
// The greeting over the frame once the bout is over with more kills than bestBefore, the best
// at this speed when it began; no sign before that.
FrameSign greetingFor(int speed, int bestBefore);
// One whole bout: set-up, the frame loop until gameOn drops, tear-down.
void playBout();
// Everything after start-up: the beat, then title screens and bouts until the program ends.
void runGame();
// Stops the clock and the keyboard and closes the library.
void shutdown();
