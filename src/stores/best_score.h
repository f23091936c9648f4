#pragma once
// The best kill count at each assist speed, kept between runs in $XDG_DATA_HOME/ryke/ (by
// default ~/.local/share/ryke/; on Windows %APPDATA%\ryke\). A file that cannot be read,
// written or trusted never stops the game: it says so in one line on stderr and play goes on
// without it.

#include <map>
#include <string>
#include <vector>

struct BestScore {
    int kills = 0;     // 0: no bout at this speed has killed anyone yet
    std::string date;  // the day it was set, YYYY-MM-DD
};

// Best scores by assist speed.
using BestScores = std::map<int, BestScore>;

// The folder the scores are kept in, inside the player's data folder; empty without one.
std::string bestScoreFolder();

// The scores a file holds. A missing file holds none and is no problem; otherwise, when the
// file cannot be read or is damaged, problem says why and no score is taken from it. Lines it
// does not know (a speed a later version offers, say) are no damage: they go to otherLines, if
// given, as they are.
BestScores readBestScores(const std::string& path, std::string& problem, std::vector<std::string>* otherLines = nullptr);

// Replaces the file in folder (made if missing) at once and whole: a temporary file, written and
// flushed to the disk, then renamed over it; otherLines are kept in it as they are. False, with
// why, if that could not be done.
bool writeBestScores(const std::string& folder, const BestScores& scores, std::string& problem,
                     const std::vector<std::string>& otherLines = {});

// The scores file's name inside the folder.
extern const char bestScoreFile[];

// The game's view of the store: what was read at start-up, kept up to date as bouts end. A file
// the game cannot read or understand is set aside (see setAside) and said so in the one line.
void loadBestScores();
BestScore bestScoreAt(int speedPercent);
// Keeps kills as the best at the speed when it beats it. The save holds the file's lock while it
// reads what the file holds by then, merges it and writes, so that games saving at once lose
// none of each other's bests. True when it beat it.
bool recordBout(int speedPercent, int kills);
