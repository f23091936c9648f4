#pragma once
// What the sword and gun timelines share: the stun's bound and the effects their windows carry out.

#include <array>

#include "choreography/choreography.h"
#include "choreography/timeline.h"
#include "fighters/enemy.h"

namespace enemyWindows {

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

// The rows both kinds share but for their pictures.
using DeathRows = std::array<Row, 6>;
using WalkInRows = std::array<Row, 5>;

// The death: one picture five times, each step 40 pixels farther from the player and 10 lower,
// then off the field. The left side mirrors it.
constexpr DeathRows dyingRight(BITMAP** fallen)
{
    // clang-format off
    //        bound        sprite   place                mirror phase    effect
    return {{{after<10>,   fallen,  fromStand(340, 0),   false, noPhase},
             {after<15>,   fallen,  fromStand(380, 10),  false, noPhase},
             {after<20>,   fallen,  fromStand(420, 20),  false, noPhase},
             {after<25>,   fallen,  fromStand(460, 30),  false, noPhase},
             {after<30>,   fallen,  fromStand(500, 40),  false, noPhase},
             {nullptr,     nullptr, fromStand(0),        false, noPhase, removeRight}}};
    // clang-format on
}
constexpr DeathRows dyingLeft(BITMAP** fallen)
{
    // clang-format off
    //        bound        sprite   place                mirror phase    effect
    return {{{after<10>,   fallen,  fromStand(-340, 0),  true,  noPhase},
             {after<15>,   fallen,  fromStand(-380, 10), true,  noPhase},
             {after<20>,   fallen,  fromStand(-420, 20), true,  noPhase},
             {after<25>,   fallen,  fromStand(-460, 30), true,  noPhase},
             {after<30>,   fallen,  fromStand(-500, 40), true,  noPhase},
             {nullptr,     nullptr, fromStand(0),        false, noPhase, removeLeft}}};
    // clang-format on
}

// The walk-in: four steps growing from 0.8 to 0.95 of full size, then the fighter stands at its
// place and opens its attack. The right side comes in from the stand origin, the left from fixed
// columns, its walker stretched by the size of sizeOf (nullptr: its own).
constexpr WalkInRows walkingInRight(BITMAP** walker, BITMAP** standing)
{
    // clang-format off
    //        bound              sprite    place             mirror phase    effect              sound   stretch
    return {{{after<10>,         walker,   fromStand(420),   false, noPhase, nullptr,            silent, 0.8},
             {after<15>,         walker,   fromStand(380),   false, noPhase, nullptr,            silent, 0.85},
             {after<20>,         walker,   fromStand(340),   false, noPhase, nullptr,            silent, 0.9},
             {after<walkInLasts>, walker,  fromStand(320),   false, noPhase, releaseOnDeckRight, silent, 0.95},
             {nullptr,           standing, fromStand(300),   false, noPhase, openAttack}}};
    // clang-format on
}
constexpr WalkInRows walkingInLeft(BITMAP** walker, BITMAP** sizeOf, BITMAP** standing)
{
    // clang-format off
    //        bound              sprite    place             mirror phase    effect              sound   stretch
    return {{{after<10>,         walker,   atColumn(-140),   false, noPhase, nullptr,            silent, 0.8,  sizeOf},
             {after<15>,         walker,   atColumn(-110),   false, noPhase, nullptr,            silent, 0.85, sizeOf},
             {after<20>,         walker,   atColumn(-90),    false, noPhase, nullptr,            silent, 0.9,  sizeOf},
             {after<walkInLasts>, walker,  atColumn(-70),    false, noPhase, releaseOnDeckLeft,  silent, 0.95, sizeOf},
             {nullptr,           standing, atColumn(62),     false, noPhase, openAttack}}};
    // clang-format on
}

template <int N>
constexpr StateTimeline<enemy> state(const char* name, const Row (&rows)[N])
{
    return {name, rows, N};
}
template <std::size_t N>
constexpr StateTimeline<enemy> state(const char* name, const std::array<Row, N>& rows)
{
    return {name, rows.data(), static_cast<int>(N)};
}

// Plays the current enemy of a line if it is of the given kind.
template <int States>
void animateKind(enemy* current, const char* kind, const StateTimeline<enemy> (&timeline)[States])
{
    if (current->getEnemyType() == kind)
        runTimeline(timeline, *current);
}

} // namespace enemyWindows
