#pragma once
// The best kill count at each assist speed, kept between runs in $XDG_DATA_HOME/ryke/ (by
// default ~/.local/share/ryke/; on Windows %APPDATA%\ryke\). A file that cannot be read,
// written or trusted never stops the game: it says so in one line on stderr and play goes on
// without it.

#include <map>
#include <string>

struct BestScore {
    int kills = 0;     // 0: no bout at this speed has killed anyone yet
    std::string date;  // the day it was set, YYYY-MM-DD
};

// Best scores by assist speed.
using BestScores = std::map<int, BestScore>;

// The folder the scores are kept in, inside the player's data folder; empty without one.
std::string bestScoreFolder();

// The scores a file holds. A missing file holds none and is no problem; otherwise, when the
// file cannot be read or is damaged, problem says why and no score is taken from it.
BestScores readBestScores(const std::string& path, std::string& problem);

// Replaces the file in folder (made if missing) at once and whole: a temporary file, written and
// flushed to the disk, then renamed over it. False, with why, if that could not be done.
bool writeBestScores(const std::string& folder, const BestScores& scores, std::string& problem);

// The scores file's name inside the folder.
extern const char bestScoreFile[];

// The game's view of the store: what was read at start-up, kept up to date as bouts end.
void loadBestScores();
BestScore bestScoreAt(int speedPercent);
// Keeps kills as the best at the speed when it beats it (merged with what the file holds by
// then, so that two games running at once lose neither's best). True when it beat it.
bool recordBout(int speedPercent, int kills);
