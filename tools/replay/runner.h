#pragma once
// Plays a bout script through the game's own frame loop without a timer or a window: the
// clock, the keys and the frames are driven from the script, and every frame becomes a line
// of trace and is checked against what a player relies on.

#include <functional>
#include <string>
#include <vector>

#include "replay/recorder.h"
#include "replay/script.h"

// Brings the library up without a system driver, a memory screen of the game's size in 32-bit colour,
// loads the assets from the working directory and starts recording. False, with why, if not.
bool startHeadless(std::string& error);

// The world as the program starts a bout: counters at 0, no key down, rand() seeded (1 is
// the sequence of a program that never seeds), the player reset and both lines filled.
void freshBout(unsigned seed = 1);

// Sets the hundredths counter, as the timer would have.
void setNow(int hundredths);
// Moves the clock to clockMs of play as the timers would have: the hundredths, and the logic
// ticks (35 a second) due since ticksGiven, which it brings up to date. Returns the hundredth.
int advanceClock(int clockMs, int& ticksGiven);

// The lines' counters and pointers as an advance leaves them.
std::vector<std::string> lineInvariants();

struct RunOptions {
    bool draw = true;    // compose real pixels (and checksum them)
    bool trace = true;   // write the trace lines
    std::function<void(int frame)> afterFrame; // called with the frame's number once it is composed
};

struct BoutRun {
    std::vector<std::string> trace;  // the set-up line, then one line per frame
    std::vector<std::string> faults; // "frame N (hundredth T): what"; the bout stops at the first faulty frame
    int frames = 0;
    int lastHundredth = 0;
    bool ended = false; // the bout itself ended (death or ESC), not the script
};

BoutRun runBout(const BoutScript& script, const RunOptions& options = {});
