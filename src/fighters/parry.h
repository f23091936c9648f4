#pragma once

#include <string>

// Settles blades meeting in mid-swing between the player and the enemy he faces; called on
// every frame of phase 2 of a move by both sides' timelines with that move's height.
void checkForParry(std::string attack);
