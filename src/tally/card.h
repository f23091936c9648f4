#pragma once
// The card the title shows after a bout: how it ended and how it went, line by line.

#include <string>
#include <vector>

#include "tally/tally.h"

// The words for the blow that killed: "a gunman's low shot, from behind".
std::string blowWords(const Blow& blow);
// Hundredths of the game's clock at an assist speed as the minutes and seconds a player lived
// through: "1:05".
std::string survived(int hundredths, int speedPercent);

// The card of a bout the hero died in, with its kills, at that speed, beside the best there
// before it.
std::vector<std::string> cardLines(const BoutTally& tally, int kills, int speedPercent, int bestBefore);
