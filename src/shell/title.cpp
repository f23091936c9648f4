#include "shell/title.h"

#include <allegro.h>

#include "assist/speeds.h"
#include "controls/latch.h"
#include "shell/timer.h"

namespace {

struct Arrow {
    int key;
    int step;
    bool held;
};
// clang-format off
//             key        step  held
Arrow arrows[] = { {KEY_LEFT,  -1,   false},
                   {KEY_DOWN,  -1,   false},
                   {KEY_RIGHT, +1,   false},
                   {KEY_UP,    +1,   false} };
// clang-format on

std::string percent(int speed) { return std::to_string(speed) + "%"; }

} // namespace

int arrowSteps()
{
    int steps = 0;
    for (Arrow& arrow : arrows)
        if (pressedNow(arrow.held, key[arrow.key] != 0))
            steps += arrow.step;
    return steps;
}

void chooseSpeedByArrows()
{
    const int steps = arrowSteps();
    if (steps == 0)
        return;
    setAssistSpeed(speedAfter(assistSpeed(), steps));
    timer.TakeSpeed();
}

std::string speedLine(int speed)
{
    return "Speed " + percent(speed) + (speed == fullSpeed ? " (full)" : " (assisted)") +
           "   -   LEFT / RIGHT arrows: slower / faster";
}

std::string bestLine(int speed, const BestScore& best)
{
    if (best.kills == 0)
        return "Best at " + percent(speed) + ": none yet";
    return "Best at " + percent(speed) + ": " + std::to_string(best.kills) + (best.kills == 1 ? " kill" : " kills") +
           ", " + best.date;
}

std::string newBestLine(int speed, int kills)
{
    return std::to_string(kills) + (kills == 1 ? " kill" : " kills") + " at " + percent(speed) + ", your best yet";
}
