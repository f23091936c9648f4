#pragma once
// What the sword and gun timelines share: the stun's bound and the effects their windows carry out.

#include "choreography/timeline.h"
#include "fighters/enemy.h"

namespace enemy_windows {

using Row = Window<enemy>;

int stunLength(const enemy& e);

// The blow lands on the player with this enemy's damage for the height.
void strikeHigh(enemy& e);
void strikeLow(enemy& e);
// Arrived from the walk-in: the opening attack.
void openAttack(enemy& e);
// Late in the walk-in the next enemy shows on deck, unless the walker is its line's last.
void releaseOnDeckRight(enemy& e);
void releaseOnDeckLeft(enemy& e);
// The death has played out: off the field, and the line moves on.
void removeRight(enemy& e);
void removeLeft(enemy& e);

template <int N>
constexpr StateTimeline<enemy> state(const char* name, const Row (&rows)[N])
{
    return {name, rows, N};
}

// Plays the current enemy of a line if it is of the given kind.
template <int States>
void animateKind(enemy* current, const char* kind, const StateTimeline<enemy> (&timeline)[States])
{
    if (current->getEnemyType() == kind)
        runTimeline(timeline, *current);
}

} // namespace enemy_windows
