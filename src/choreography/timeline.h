#pragma once
// The machinery shared by every timeline: a move is a list of windows measured from the
// fighter's stateTime, and each frame the first window whose bound has not passed is played,
// after the windows a late frame passed over, which are carried out undrawn.

#include <allegro.h>

#include <string>

#include "fighters/character.h"
#include "fighters/parry.h"
#include "names/names.h"
#include "sound/cue.h"

// Where a place is measured from.
enum class From {
    stand, // the stand origin: standX() across, standY() down
    rest,  // where the right-hand enemy stands: restX() across, restY() down
    edge,  // the screen's left or top edge
};

// A place on the screen: an origin and a shift from it. Shifts across are doubles because a
// kick reaches 130 x 1.75 pixels; the sum is truncated toward zero.
struct Place {
    From across;
    double dx;
    From down;
    int dy;
};

// Shorthands for the places the tables use.
constexpr Place fromStand(double dx, int dy = 0) { return {From::stand, dx, From::stand, dy}; }
constexpr Place atRest() { return {From::rest, 0, From::rest, 0}; }
constexpr Place atRestX() { return {From::rest, 0, From::stand, 0}; }
constexpr Place atColumn(double x) { return {From::edge, x, From::stand, 0}; }
constexpr Place atColumnRestY(double x) { return {From::edge, x, From::rest, 0}; }

// A sound that plays once per action: only while the guard counter is 0, which it then raises.
struct SoundOnce {
    int character::*guard; // nullptr: silent
    Cue cue;
};

// One window of a move: it holds while e < bound(fighter), e being the hundredths since the
// fighter's stateTime; a null bound is the move's last window ("end") or its only one ("always").
constexpr int noPhase = -1;
constexpr SoundOnce silent = {nullptr, Cue::boutStart};

template <class Fighter>
struct Window {
    int (*bound)(const Fighter&);
    BITMAP** sprite; // nullptr: nothing is drawn
    Place place;
    bool mirrored;   // drawn flipped left to right
    int phase;       // written to attackPhase after drawing; noPhase leaves it alone
    void (*effect)(Fighter&) = nullptr;
    SoundOnce sound = silent;   // played after the effect
    double scale = 0.0;         // drawn stretched by this factor (0: at its own size) ...
    BITMAP** sizeOf = nullptr;  // ... of this picture's size (nullptr: its own)
};

// The windows of one attack state, in order.
template <class Fighter>
struct StateTimeline {
    const char* state;
    const Window<Fighter>* windows;
    int count;
};

// Bounds that are numbers rather than the fighter's own timings.
template <int N, class Fighter>
int after(const Fighter&)
{
    return N;
}

// Bounds read from the fighter's own timings, shared by the hero and the enemies.
template <class Fighter>
int highWindUp(const Fighter& f)
{
    return f.highPhase1End;
}
template <class Fighter>
int highBladeOut(const Fighter& f)
{
    return f.highPhase2End;
}
template <class Fighter>
int highStrike(const Fighter& f)
{
    return f.highPhase3End;
}
template <class Fighter>
int lowWindUp(const Fighter& f)
{
    return f.lowPhase1End;
}
template <class Fighter>
int lowBladeOut(const Fighter& f)
{
    return f.lowPhase2End;
}
template <class Fighter>
int lowStrike(const Fighter& f)
{
    return f.lowPhase3End;
}
template <class Fighter>
int evadeLength(const Fighter& f)
{
    return f.evadeDuration;
}

// Effects shared by the hero and the enemies: the parry check of a blade-out window, and the
// end of a move.
template <class Fighter>
void parryHigh(Fighter&)
{
    checkForParry(states::high);
}
template <class Fighter>
void parryLow(Fighter&)
{
    checkForParry(states::low);
}
template <class Fighter>
void backToNormal(Fighter& f)
{
    f.returnNormal();
}

// The stand origin and the right-hand enemy's standing place, worked out from the pictures.
int standX();
int standY();
int restX();
int restY();
int placeX(const Place& place);
int placeY(const Place& place);

// Whether a window bounded at n hundredths still holds for a fighter stamped at stateTime;
// the counter is read afresh at every test.
bool stillBefore(int stateTime, int n);

// The rows of the fighter's state, or nullptr when its state has none.
template <class Fighter, int States>
const StateTimeline<Fighter>* rowsOf(const StateTimeline<Fighter> (&timeline)[States], const Fighter& fighter)
{
    for (const StateTimeline<Fighter>& s : timeline)
        if (fighter.attackState == s.state)
            return &s;
    return nullptr;
}

// The index of the window that holds now; the last window holds once every earlier one has ended.
template <class Fighter>
int windowNow(const StateTimeline<Fighter>& rows, const Fighter& fighter)
{
    int i = 0;
    while (i + 1 < rows.count && rows.windows[i].bound && !stillBefore(fighter.stateTime, rows.windows[i].bound(fighter)))
        ++i;
    return i;
}

// The window of the fighter's state that applies now, or nullptr when its state has none.
template <class Fighter, int States>
const Window<Fighter>* currentWindow(const StateTimeline<Fighter> (&timeline)[States], const Fighter& fighter)
{
    const StateTimeline<Fighter>* rows = rowsOf(timeline, fighter);
    return rows ? &rows->windows[windowNow(*rows, fighter)] : nullptr;
}

// The first window of the fighter's move not yet played: after the last one played, or, in a move
// not played before, the first whose end was still to come when the fighter entered its state.
template <class Fighter>
int firstUnplayed(const StateTimeline<Fighter>& rows, const Fighter& fighter)
{
    const WindowsPlayed& played = fighter.played;
    if (played.state == fighter.attackState && played.stateTime == fighter.stateTime)
        return played.reached;
    int i = 0;
    while (i + 1 < rows.count && rows.windows[i].bound && fighter.stateTime + rows.windows[i].bound(fighter) <= fighter.stateBegan)
        ++i;
    return i;
}

// Draws a window's sprite at its place.
void drawWindowSprite(BITMAP* sprite, const Place& place, bool mirrored, double scale, BITMAP* sizeOf);
// Plays a once-per-action sound if its guard allows.
void playOnce(const SoundOnce& sound, character& fighter);

// Marks the window played, then marks the phase, carries out the effect and plays the sound.
template <class Fighter>
void carryOut(const StateTimeline<Fighter>& rows, int index, Fighter& fighter)
{
    const Window<Fighter>& w = rows.windows[index];
    fighter.played = {fighter.attackState, fighter.stateTime, index + 1};
    if (w.phase != noPhase)
        fighter.attackPhase = w.phase;
    if (w.effect)
        w.effect(fighter);
    playOnce(w.sound, fighter);
}

// Plays the window that applies now: draw, mark the phase, carry out the effect, sound. A frame
// that comes after windows it did not see first carries those out, once each, in their order and
// undrawn, so that no blow, death or advance of a line depends on the frame rate. An effect that
// ends the fighter's move sends the rest to the move it started.
template <class Fighter, int States>
void runTimeline(const StateTimeline<Fighter> (&timeline)[States], Fighter& fighter)
{
    for (;;) {
        const StateTimeline<Fighter>* rows = rowsOf(timeline, fighter);
        if (!rows)
            return;
        const int now = windowNow(*rows, fighter);
        const int next = firstUnplayed(*rows, fighter);
        if (next < now) {
            carryOut(*rows, next, fighter);
            continue;
        }
        const Window<Fighter>& w = rows->windows[now];
        if (w.sprite)
            drawWindowSprite(*w.sprite, w.place, w.mirrored, w.scale, w.sizeOf ? *w.sizeOf : nullptr);
        carryOut(*rows, now, fighter);
        return;
    }
}
