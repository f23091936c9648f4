#include "shell/title.h"

#include <allegro.h>

#include "assist/speeds.h"
#include "controls/latch.h"
#include "settings/settings.h"
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

bool coachHeld = false;

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
    keepSpeed(assistSpeed());
}

std::string speedLine(int speed)
{
    return "Speed " + percent(speed) + (speed == fullSpeed ? " (full)" : " (assisted)") +
           "   -   LEFT / RIGHT arrows: slower / faster";
}

std::string startHereLine()
{
    return "New here? Most players do best starting at " + percent(suggestedSpeed);
}

std::string coachLine(const CoachChoice& choice)
{
    if (!coachWatches(choice))
        return "C: coach off (hints over the bout)";
    if (choice.mode == CoachChoice::Mode::on)
        return "C: coach on (hints over the bout)";
    return "C: coach on for your first " + std::to_string(coachedBouts) + " bouts";
}

void switchCoachByKey()
{
    if (pressedNow(coachHeld, key[KEY_C] != 0))
        switchCoach();
}

const std::vector<std::string>& howABoutGoes()
{
    static const std::vector<std::string> lines = {
        "Two lines of enemies come at",
        "you, one from each side.",
        "Parry a blow as it winds up:",
        "the attack key of its height.",
        "Kick the enemy behind you.",
        "Kills and clashes fill the",
        "carnage meter; a full meter",
        "is a carnage shot.",
        "A gunman winding up is open",
        "to a blow: strike first."};
    return lines;
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
