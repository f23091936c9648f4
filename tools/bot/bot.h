#pragma once
// The bot at the keyboard: it sees each frame a reaction time late, presses and releases the
// keys in key[] as its rules say, and now and then slips. A bout is played through the game's
// own frame loop at a fixed frame interval, without drawing. Its reaction, its taps and the
// frames are real time; at an assist speed the game's clocks run slower than they.

#include <functional>
#include <string>
#include <vector>

#include "bot/policy.h"

struct BotSettings {
    int reactionMs = 250;
    double slipRate = 0.0; // chance that a press goes to the wrong height or is missed
    int frameMs = 10; // the game draws as fast as it can; 100 frames a second
    int tapMs = 60;                 // how long a key is held
    int limitHundredths = 120000;   // a bout that lasts this long is stopped
    int speedPercent = 100;         // the assist speed: the game's clocks run at this share of real time
};

// A blow that reached the hero, for the record (the bot itself never reads any of this).
struct Blow {
    int at;
    int line;  // 0 left, 1 right
    int index; // the striker's place in its line
    bool fromBehind;
    bool opening; // the striker's first swing after its walk-in
    bool atFloor; // the striker's attack delay is its line's shortest
    std::string kind, height, heroWas;
    int lifeAfter;
};

struct BoutResult {
    int kills = 0;
    bool won = false;
    bool died = false;
    int endedAt = 0;      // hundredths
    int floorKills[2] = {-1, -1}; // kills when the left / right line's attack delay reached its floor
    int presses = 0, slips = 0;
    std::vector<Blow> blows;
};

// Called after every frame with what the bot saw then and what it did.
using BoutWatch = std::function<void(const View& seen, Action done)>;

BoutResult playBout(const BotSettings& settings, unsigned seed, const BoutWatch& watch = {});
