#pragma once
// The coach: short hints over the first bouts, each shown when its moment comes and until the
// player has done what it says once, or for a few seconds. The coach only looks at the bout;
// nothing it does changes what happens in it.

#include <string>
#include <vector>

// What the coach sees of a frame.
struct Scene {
    int now = 0;                // hundredths
    std::string facing;         // the hero's
    std::string heroState;
    std::string frontKind, frontState;  // the current enemy of the line he faces
    std::string behindState;            // the current enemy of the line behind him
    double shots = 0.0;
    int frontLeft = 0, behindLeft = 0;  // enemies left in each line
};

// The scene of the bout under way, at that hundredth of the frame clock.
Scene sceneNow(int now);

enum class Hint { parryHigh, parryLow, gunAims, kickBehind, shotReady, turn };
constexpr int hintCount = 6;
// A hint stays up this long after its moment came, unless done sooner.
constexpr int hintShows = 300;

struct Coach {
    bool learned[hintCount] = {};
    int shownAt[hintCount] = {-1, -1, -1, -1, -1, -1};  // -1: not showing
    bool momentBefore[hintCount] = {};
    std::string facingBefore;

    // Follows one frame: moments that begin show their hint, hints done are learned and go.
    void watch(const Scene& scene);
    // The hints up now, in words and in the keys of the way the hero faces.
    std::vector<std::string> lines(const Scene& scene) const;
};

// Whether the coach watches the bouts, and the one that does.
extern bool coachOn;
extern Coach coach;
// A new bout: the hints already learned stay learned.
void coachNewBout();
// Watches the frame under way (at that hundredth) and gives the hints to draw over it: none while
// the coach is off or the hero is dead.
std::vector<std::string> coachFrame(int now);
