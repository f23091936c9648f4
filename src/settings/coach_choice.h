#pragma once
// Whether the coach watches the bouts: the player's choice, and how many bouts he has played, so
// that a new player has the coach for his first bouts without asking. Kept in the settings file.

struct CoachChoice {
    enum class Mode { firstBouts, on, off } mode = Mode::firstBouts;
    int bouts = 0;
};

// A new player has the coach for this many bouts, unless he switches it off.
constexpr int coachedBouts = 5;

// Whether a choice puts the coach on.
bool coachWatches(const CoachChoice& choice);
// The choice after the player switches the coach on the title: off if it watches, else on.
CoachChoice switched(CoachChoice choice);
