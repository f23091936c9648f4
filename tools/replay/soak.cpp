#include "replay/soak.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <vector>

#include "controls/input.h"
#include "names/names.h"
#include "replay/runner.h"

namespace {

// Any key of the game's key map (every one acts in one facing or the other), in key code order.
int anyKey(Dice& dice)
{
    static const std::vector<int> keys = [] {
        std::vector<int> all;
        for (const KeyBinding& binding : keyMap)
            all.push_back(binding.facingRight);
        std::sort(all.begin(), all.end());
        return all;
    }();
    return keys[dice.upTo(static_cast<int>(keys.size()))];
}

// Bouts end with the hero's death; a player who lives this long is stopped.
constexpr int boutLimit = 9000;

} // namespace

BoutScript randomBout(unsigned seed)
{
    BoutScript bout;
    bout.notes.push_back("# A random player's bout (soak seed " + std::to_string(seed) + ").");
    bout.seeded = true;
    bout.seed = seed;
    bout.until = boutLimit;
    Dice dice{seed * 2654435761u + 1u};
    auto tap = [&](int at, int k, int length) {
        bout.keys.push_back({at, k, true});
        bout.keys.push_back({at + length, k, false});
    };
    for (int t = dice.between(0, 50); t < boutLimit;) {
        switch (dice.upTo(5)) {
        case 0: // an idle spell
            t += dice.between(50, 400);
            break;
        case 1: // mashing
            for (int n = dice.between(3, 15); n > 0; --n, t += dice.between(2, 15))
                tap(t, anyKey(dice), dice.between(1, 12));
            break;
        case 2: { // a long hold
            const int length = dice.between(50, 300);
            tap(t, anyKey(dice), length);
            t += length + dice.between(0, 30);
            break;
        }
        case 3: // several keys at once
            for (int n = dice.between(2, 4); n > 0; --n)
                tap(t + dice.upTo(3), anyKey(dice), dice.between(3, 60));
            t += dice.between(20, 80);
            break;
        default: // turning back and forth
            for (int n = dice.between(2, 6); n > 0; --n, t += dice.between(5, 30))
                tap(t, keyFor(Move::turn, n % 2 ? facings::right : facings::left), dice.between(2, 10));
        }
    }
    putInTimeOrder(bout);
    bout.frames = BoutScript::Frames::list;
    bout.intervals.clear();
    // Each bout has its own machine: frames at most 10 to 150 ms apart, far more than a strike lasts.
    const int longest = dice.between(10, 150);
    for (int ms = 0; ms < boutLimit * 10 + 1000;) {
        const int interval = dice.upTo(300) == 0 ? dice.between(300, 1500) : dice.between(1, longest);
        bout.intervals.push_back(interval);
        ms += interval;
    }
    return bout;
}

SoakResult soak(unsigned first, int count)
{
    SoakResult result;
    const auto start = std::chrono::steady_clock::now();
    RunOptions fast;
    fast.draw = false;
    fast.trace = false;
    for (int i = 0; i < count; ++i) {
        const unsigned seed = first + static_cast<unsigned>(i);
        BoutScript bout = randomBout(seed);
        const BoutRun run = runBout(bout, fast);
        ++result.bouts;
        result.frames += run.frames;
        if (run.faults.empty())
            continue;
        result.failedSeed = static_cast<int>(seed);
        result.fault = run.faults.front();
        // The shortest prefix that still fails ends at the faulty frame.
        bout.intervals.resize(std::min<std::size_t>(bout.intervals.size(), run.frames));
        bout.lastFrame = run.frames;
        while (!bout.keys.empty() && bout.keys.back().at > run.lastHundredth)
            bout.keys.pop_back();
        bout.notes.push_back("# It fails: " + result.fault);
        std::ostringstream text;
        writeScript(text, bout);
        result.script = text.str();
        break;
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}
