#pragma once
// What the title screen says besides its picture: the assist speed, chosen with the arrow
// keys, and the best score at it; and the greeting of a bout that beats that best.

#include <string>

#include "stores/best_score.h"

// The steps the arrows pressed since the last call ask for: LEFT or DOWN a step slower (-1),
// RIGHT or UP a step faster (+1), once a press however long it is held.
int arrowSteps();
// Moves the assist speed, and the running clock with it, by the arrows pressed.
void chooseSpeedByArrows();

std::string speedLine(int speed);
std::string bestLine(int speed, const BestScore& best);
// The small line under the greeting of a new best.
std::string newBestLine(int speed, int kills);
