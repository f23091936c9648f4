#pragma once
// What the title screen says besides its picture: the assist speed, chosen with the arrow
// keys, and the best score at it; and the greeting of a bout that beats that best.

#include <string>
#include <vector>

#include "settings/coach_choice.h"
#include "stores/best_score.h"

// The steps the arrows pressed since the last call ask for: LEFT or DOWN a step slower (-1),
// RIGHT or UP a step faster (+1), once a press however long it is held.
int arrowSteps();
// Moves the assist speed, and the running clock with it, by the arrows pressed.
void chooseSpeedByArrows();

std::string speedLine(int speed);
std::string bestLine(int speed, const BestScore& best);
// Where most players should start, beside the speed line.
std::string startHereLine();
// The coach's switch as it stands, and the keys of the title not told elsewhere.
std::string coachLine(const CoachChoice& choice);
// Switches the coach at a press of C (once a press).
void switchCoachByKey();
// How a bout goes, for the title's panel until the first bout has been played.
const std::vector<std::string>& howABoutGoes();
// The small line under the greeting of a new best.
std::string newBestLine(int speed, int kills);
