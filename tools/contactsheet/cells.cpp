#include "cells.h"

#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "replay/runner.h"
#include "screen/frame.h"
#include "shell/timer.h"

namespace {

// Every cell's state begins at this hundredth; the frame is composed e later.
constexpr int kThen = 1000;

struct Moment {
    const char* state;
    int e;
};

// The hero's moves: each window of each move once, the end frame where it shows something new.
// clang-format off
const Moment heroMoments[] = {
    {states::normal, 0},
    {states::high, 15}, {states::high, 35}, {states::high, 42}, {states::high, 45},
    {states::low, 15}, {states::low, 35}, {states::low, 42}, {states::low, 45},
    {states::highParry, 3}, {states::highParry, 20}, {states::highParry, 40},
    {states::lowParry, 3}, {states::lowParry, 20}, {states::lowParry, 40},
    {states::evade, 15},
    {states::carnageShot, 20}, {states::carnageShot, 50}, {states::carnageShot, 60},
    {states::highKick, 10}, {states::highKick, 25}, {states::highKick, 30},
    {states::lowKick, 10}, {states::lowKick, 25}, {states::lowKick, 30},
    {states::damaged, 5},
    {states::dead, 0},
};
// clang-format on

// An enemy kind's moments: the middle of each window of its attacks, the frame after them, and
// the end of its stun.
std::vector<Moment> enemyMoments(const EnemyKind& kind)
{
    const AttackTimings& t = kind.timings;
    std::vector<Moment> m = {{states::normal, 0}};
    for (const char* height : {states::high, states::low}) {
        m.push_back({height, t.windUpEnds / 2});
        m.push_back({height, (t.windUpEnds + t.bladeOutEnds) / 2});
        m.push_back({height, (t.bladeOutEnds + t.strikeEnds) / 2});
        m.push_back({height, t.strikeEnds});
    }
    m.push_back({states::evade, 15});
    m.push_back({states::stunned, 10});
    m.push_back({states::stunned, kind.values.stunBase});
    for (int e : {5, 12, 17, 22, 27})
        m.push_back({states::dead, e});
    for (int e : {5, 12, 17, 22, 25})
        m.push_back({states::moving, e});
    m.push_back({kOnDeck, 0});
    return m;
}

Group groupOf(const std::string& title, Subject who, Side side, const std::vector<Moment>& moments)
{
    Group g{title, {}};
    for (const Moment& m : moments)
        g.cells.push_back({who, side, m.state, m.e});
    return g;
}

// The lines alternate kinds: the right one opens with a gun fighter, the left with a sword.
int firstIndexOf(Subject kind, Side side)
{
    const bool gunFirst = side == Side::Right;
    return (kind == Subject::Gun) == gunFirst ? 0 : 1;
}

Subject otherKind(Subject kind) { return kind == Subject::Gun ? Subject::Sword : Subject::Gun; }

enemy* lineOf(Side side) { return side == Side::Right ? enemies_R : enemies_L; }

void face(Side side)
{
    if (side == Side::Right)
        ryke.faceRight();
    else
        ryke.faceLeft();
}

// The side's current enemy is line[i] and the next one waits on deck.
void engage(Side side, int i)
{
    enemy* line = lineOf(side);
    (side == Side::Right ? currentEnemyRight : currentEnemyLeft) = &line[i];
    enemy*& onDeck = side == Side::Right ? enemyOnDeck_R : enemyOnDeck_L;
    onDeck = &line[i + 1];
    onDeck->setAttackState(states::waiting);
}

// A bout as it starts, everyone in view stamped now so no one attacks on his own.
void freshCell()
{
    freshBout();
    g_hSecCounter.store(kThen);
    for (enemy* e : {currentEnemyRight, currentEnemyLeft, enemyOnDeck_R, enemyOnDeck_L})
        e->stateTime = kThen;
}

void stageEnemy(const Cell& cell)
{
    if (cell.state == std::string(kOnDeck)) {
        // The wanted kind waits behind a current enemy of the other kind.
        engage(cell.side, firstIndexOf(otherKind(cell.who), cell.side));
        face(cell.side);
        return;
    }
    engage(cell.side, firstIndexOf(cell.who, cell.side));
    face(cell.side);  // the engaged enemy: the one the hero faces
    enemy* e = cell.side == Side::Right ? currentEnemyRight : currentEnemyLeft;
    e->attackState = cell.state;
    e->stateTime = kThen;
    e->stunDuration = e->stunBase;
    if (cell.state == std::string(states::moving))  // hidden until late in the walk-in
        (cell.side == Side::Right ? enemyOnDeck_R : enemyOnDeck_L)->setAttackState(states::gone);
}

}  // namespace

std::vector<Group> sheetGroups()
{
    const std::vector<Moment> hero(std::begin(heroMoments), std::end(heroMoments));
    const std::vector<Moment> sword = enemyMoments(swordKind);
    const std::vector<Moment> gun = enemyMoments(gunKind);
    return {groupOf("HERO FACING RIGHT", Subject::Hero, Side::Right, hero),
            groupOf("HERO FACING LEFT", Subject::Hero, Side::Left, hero),
            groupOf("SWORD FIGHTER, RIGHT LINE", Subject::Sword, Side::Right, sword),
            groupOf("SWORD FIGHTER, LEFT LINE", Subject::Sword, Side::Left, sword),
            groupOf("GUN FIGHTER, RIGHT LINE", Subject::Gun, Side::Right, gun),
            groupOf("GUN FIGHTER, LEFT LINE", Subject::Gun, Side::Left, gun)};
}

std::string caption(const Cell& cell)
{
    if (cell.state == std::string(kOnDeck))
        return "on deck";
    return std::string(cell.state) + " e=" + std::to_string(cell.e);
}

void composeCell(const Cell& cell)
{
    freshCell();
    if (cell.who == Subject::Hero) {
        face(cell.side);
        ryke.attackState = cell.state;
        ryke.stateTime = kThen;
        // The enemy he faces has tried its answers already, so it stands still for the picture.
        currentEnemy->parryTries = 2;
    } else {
        stageEnemy(cell);
    }
    g_hSecCounter.store(kThen + cell.e);
    animate();
}
