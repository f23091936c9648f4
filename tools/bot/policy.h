#pragma once
// How the bot plays: plain rules over what it saw, tried in order, the first that applies wins.

#include "bot/sight.h"

enum class Action { none, attackHigh, attackLow, kickHigh, kickLow, evade, shot, turn };

// What the player does now, at hundredth now, having seen view (a reaction time ago).
Action decide(const View& view, int now);

const char* actionName(Action action);
