#include "settings/coach_choice.h"

bool coachWatches(const CoachChoice& choice)
{
    return choice.mode == CoachChoice::Mode::on ||
           (choice.mode == CoachChoice::Mode::firstBouts && choice.bouts < coachedBouts);
}

CoachChoice switched(CoachChoice choice)
{
    choice.mode = coachWatches(choice) ? CoachChoice::Mode::off : CoachChoice::Mode::on;
    return choice;
}
