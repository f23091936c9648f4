#pragma once
// Whether the coach watches the bouts, kept between runs in a small file beside the best scores:
// the player's choice, and how many bouts he has played, so that a new player has the coach for
// his first bouts without asking. Like the scores, a file that cannot be read or written never
// stops the game: one line on stderr, and play goes on.

#include <string>

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

// The file's name beside the best scores.
extern const char coachChoiceFile[];
// The choice a file holds: a missing file is a new player's. When the file cannot be read or is
// damaged, problem says why and a new player's choice is returned.
CoachChoice readCoachChoice(const std::string& path, std::string& problem);
// Replaces the file in folder (made if missing) whole. False, with why, if that could not be done.
bool writeCoachChoice(const std::string& folder, const CoachChoice& choice, std::string& problem);

// The game's view: read at start-up, written whenever it changes.
void loadCoachChoice();
CoachChoice coachChoice();
// Switches the coach on or off (the title's C) and keeps it.
void switchCoach();
// One more bout played, kept.
void countBout();
