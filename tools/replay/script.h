#pragma once
// A bout script: what a player does and how the frames fall, as a text file.
//
//   # what the bout shows (comment lines, kept when a script is written back)
//   seed 7                      srand(7) before the bout; without it rand() runs unseeded
//   frames every 20             one frame every 20 ms
//   frames list 16 33 17 ...    these intervals in turn, the last one repeated
//   frames random 5 40 60       intervals drawn from 40 to 60 ms by generator seed 5
//   stall 800 1000              the first frame at or after hundredth 800 comes 1000 ms late
//   down 120 K / up 140 K       a key goes down / up at a hundredth
//   tap 120 K 20                down at 120, up 20 hundredths later; a key that goes down and
//                               up between two frames is a tap the next logic tick still sees
//   coach on                    the coach watches the bout (off unless asked for)
//   kill 900 R                  a test's hand: the right line's current enemy dies at hundredth 900
//   until 6000                  stop at this hundredth if the bout has not ended
//   last 250                    stop after the 250th frame
//
// Keys: D F G H J K SPACE ENTER ESC P.

#include <iosfwd>
#include <string>
#include <vector>

struct KeyEvent {
    int at; // hundredths
    int key;
    bool down;
};

struct Kill {
    int at;
    bool right;
};

struct BoutScript {
    std::vector<std::string> notes;
    bool seeded = false;
    unsigned seed = 0;
    enum class Frames { every, list, random } frames = Frames::every;
    std::vector<int> intervals{20}; // every: one value; list: the intervals in turn
    unsigned frameSeed = 0;         // random: generator seed and bounds in ms
    int shortest = 0, longest = 0;
    std::vector<std::pair<int, int>> stalls; // hundredth, ms
    std::vector<KeyEvent> keys;              // in time order
    std::vector<Kill> kills;                 // in time order
    bool coach = false;
    int until = 60000;
    int lastFrame = 0; // 0: no limit
};

// Reads a script; on a bad line returns false with the line number and reason in error.
bool readScript(std::istream& in, BoutScript& script, std::string& error);
void writeScript(std::ostream& out, const BoutScript& script);

// The key's library code from its script name, or -1; and back.
int keyCode(const std::string& name);
std::string keyName(int code);

// Puts the keys, stalls and kills of a script in time order, keeping the order of equal times.
void putInTimeOrder(BoutScript& script);

// A small generator of the replays' own, so that frame intervals and random players never
// touch the game's rand().
struct Dice {
    unsigned state;
    int upTo(int n); // 0 .. n - 1
    int between(int low, int high) { return low + upTo(high - low + 1); }
};

// The frame intervals of a script, one after another.
class FrameSchedule {
public:
    explicit FrameSchedule(const BoutScript& script);
    // The interval in ms of the next frame, given the ms of the clock when the last was drawn.
    int next(int clockMs);

private:
    const BoutScript& script;
    std::size_t nextListed = 0;
    std::size_t nextStall = 0;
    Dice dice;
};
