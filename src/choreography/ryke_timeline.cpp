#include "choreography/choreography.h"
#include "choreography/timeline.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/assets.h"

namespace {

using Row = Window<player>;

int highParryWindUp(const player& p) { return parryWindUpEnds(p.highPhase1End); }
int lowParryWindUp(const player& p) { return parryWindUpEnds(p.lowPhase1End); }

// After a blow or shot: turn to the other line if the engaged enemy is dead and the other line
// has enemies; with the other line exhausted, engage the next enemy of this one.
void followUpFacingRight(player& p)
{
    if (currentEnemy->getAttackState() == states::dead && enemiesLeft_L > 0)
        p.faceLeft();
    else if (enemiesLeft_L == 0)
        currentEnemy = enemyOnDeck_R;
}

void followUpFacingLeft(player& p)
{
    if (currentEnemy->getAttackState() == states::dead && enemiesLeft_R > 0)
        p.faceRight();
    else if (enemiesLeft_R == 0)
        currentEnemy = enemyOnDeck_L;
}

// A carnage shot gives back 15 life, up to full.
void lifeBonus(player& p)
{
    p.life += 15;
    if (p.life > fullLife)
        p.life = fullLife;
}

constexpr SoundOnce carnageBlast = {&character::firstSoundPlayed, Cue::carnageBlast};

// clang-format off
// Facing right: sprites as stored; blows reach the right line, kicks the left one behind him.
// bound                  sprite         place                     mirror phase    effect, sound
const Row normalR[] = {
    {nullptr,               &rykeStand,    fromStand(0),             false, noPhase}};
const Row highR[] = {
    {highWindUp,            &rykeHi_1,     fromStand(0),             false, 1},
    {highBladeOut,          &rykeHi_2,     fromStand(50),            false, 2, parryHigh},
    {highStrike,            &rykeHi_3,     fromStand(50),            false, 3, [](player&) { currentEnemyRight->hit(states::high); }},
    {nullptr,               &rykeHi_3,     fromStand(50),            false, noPhase, [](player& p) { followUpFacingRight(p); p.returnNormal(); }}};
const Row lowR[] = {
    {lowWindUp,             &rykeLo_1,     fromStand(-70),           false, 1},
    {lowBladeOut,           &rykeLo_2,     fromStand(100),           false, 2, parryLow},
    {lowStrike,             &rykeLo_3,     fromStand(100),           false, 3, [](player&) { currentEnemyRight->hit(states::low); }},
    {nullptr,               &rykeLo_2,     fromStand(100),           false, noPhase, [](player& p) { followUpFacingRight(p); p.returnNormal(); }}};
const Row evadeR[] = {
    {evadeLength,           &rykeDodge,    fromStand(100),           false, noPhase},
    {nullptr,               &rykeDodge,    fromStand(100),           false, noPhase, backToNormal}};
const Row highParryR[] = {
    {highParryWindUp,       &rykeHi_1,     fromStand(0),             false, 1},
    {highBladeOut,          &rykeHi_2,     fromStand(50),            false, 2, parryHigh},
    {nullptr,               &rykeHi_1,     fromStand(0),             false, noPhase, backToNormal}};
const Row lowParryR[] = {
    {lowParryWindUp,        &rykeLo_1,     fromStand(-70),           false, 1},
    {lowBladeOut,           &rykeLo_2,     fromStand(100),           false, 2, parryLow},
    {nullptr,               &rykeLo_2,     fromStand(100),           false, noPhase, backToNormal}};
const Row carnageShotR[] = {
    {after<40>,             &rykeCS_1,     fromStand(-20),           false, noPhase},
    {after<60>,             &rykeCS_2,     fromStand(70),            false, noPhase, [](player&) { currentEnemyRight->kill(); }, carnageBlast},
    {nullptr,               &rykeCS_1,     fromStand(0),             false, noPhase, [](player& p) { followUpFacingRight(p); lifeBonus(p); p.returnNormal(); }}};
const Row highKickR[] = {
    {after<kickReaches>,    &rykeHiKick_1, fromStand(-130),          false, noPhase},
    {after<kickWithdraws>,  &rykeHiKick_2, fromStand(-130 * 1.75),   false, noPhase, [](player&) { currentEnemyLeft->stun(states::high); }},
    {nullptr,               &rykeHiKick_1, fromStand(-130),          false, noPhase, backToNormal}};
const Row lowKickR[] = {
    {after<kickReaches>,    &rykeLoKick_1, fromStand(-130),          false, noPhase},
    {after<kickWithdraws>,  &rykeLoKick_2, fromStand(-130 * 1.7),    false, noPhase, [](player&) { currentEnemyLeft->stun(states::low); }},
    {nullptr,               &rykeLoKick_1, fromStand(-130),          false, noPhase, backToNormal}};
const Row damagedR[] = {
    {after<10>,             &rykePain,     fromStand(0),             false, noPhase},
    {nullptr,               &rykePain,     fromStand(0),             false, noPhase, backToNormal}};
const Row deadR[] = {
    {nullptr,               &rykeDeath,    fromStand(0, 50),         false, noPhase}};

// Facing left: sprites mirrored but for the death; blows reach the left line, kicks the right.
// Not a plain mirror: the low attack ends 120 pixels left of the stand origin, and the low parry
// on its first picture.
const Row normalL[] = {
    {nullptr,               &rykeStand,    fromStand(0),             true, noPhase}};
const Row highL[] = {
    {highWindUp,            &rykeHi_1,     fromStand(0),             true, 1},
    {highBladeOut,          &rykeHi_2,     fromStand(-250),          true, 2, parryHigh},
    {highStrike,            &rykeHi_3,     fromStand(-250),          true, 3, [](player&) { currentEnemyLeft->hit(states::high); }},
    {nullptr,               &rykeHi_3,     fromStand(-250),          true, noPhase, [](player& p) { followUpFacingLeft(p); p.returnNormal(); }}};
const Row lowL[] = {
    {lowWindUp,             &rykeLo_1,     fromStand(-10),           true, 1},
    {lowBladeOut,           &rykeLo_2,     fromStand(-220),          true, 2, parryLow},
    {lowStrike,             &rykeLo_3,     fromStand(-220),          true, 3, [](player&) { currentEnemyLeft->hit(states::low); }},
    {nullptr,               &rykeLo_2,     fromStand(-120),          true, noPhase, [](player& p) { followUpFacingLeft(p); p.returnNormal(); }}};
const Row evadeL[] = {
    {evadeLength,           &rykeDodge,    fromStand(100),           true, noPhase},
    {nullptr,               &rykeDodge,    fromStand(100),           true, noPhase, backToNormal}};
const Row highParryL[] = {
    {highParryWindUp,       &rykeHi_1,     fromStand(0),             true, 1},
    {highBladeOut,          &rykeHi_2,     fromStand(-250),          true, 2, parryHigh},
    {nullptr,               &rykeHi_1,     fromStand(0),             true, noPhase, backToNormal}};
const Row lowParryL[] = {
    {lowParryWindUp,        &rykeLo_1,     fromStand(-10),           true, 1},
    {lowBladeOut,           &rykeLo_2,     fromStand(-220),          true, 2, parryLow},
    {nullptr,               &rykeLo_1,     fromStand(-10),           true, noPhase, backToNormal}};
const Row carnageShotL[] = {
    {after<40>,             &rykeCS_1,     fromStand(40),            true, noPhase},
    {after<60>,             &rykeCS_2,     fromStand(-350),          true, noPhase, [](player&) { currentEnemyLeft->kill(); }, carnageBlast},
    {nullptr,               &rykeCS_1,     fromStand(0),             true, noPhase, [](player& p) { followUpFacingLeft(p); lifeBonus(p); p.returnNormal(); }}};
const Row highKickL[] = {
    {after<kickReaches>,    &rykeHiKick_1, fromStand(20),            true, noPhase},
    {after<kickWithdraws>,  &rykeHiKick_2, fromStand(-35),           true, noPhase, [](player&) { currentEnemyRight->stun(states::high); }},
    {nullptr,               &rykeHiKick_1, fromStand(20),            true, noPhase, backToNormal}};
const Row lowKickL[] = {
    {after<kickReaches>,    &rykeLoKick_1, fromStand(20),            true, noPhase},
    {after<kickWithdraws>,  &rykeLoKick_2, fromStand(-50),           true, noPhase, [](player&) { currentEnemyRight->stun(states::low); }},
    {nullptr,               &rykeLoKick_1, fromStand(20),            true, noPhase, backToNormal}};
const Row damagedL[] = {
    {after<10>,             &rykePain,     fromStand(0),             true, noPhase},
    {nullptr,               &rykePain,     fromStand(0),             true, noPhase, backToNormal}};
const Row deadL[] = {
    {nullptr,               &rykeDeath,    fromStand(30, 50),        false, noPhase}};
// clang-format on

template <int N>
constexpr StateTimeline<player> state(const char* name, const Row (&rows)[N])
{
    return {name, rows, N};
}

// States are tried in this order; a state not listed draws nothing.
const StateTimeline<player> facingRight[] = {
    state(states::normal, normalR),           state(states::high, highR),         state(states::low, lowR),
    state(states::evade, evadeR),             state(states::highParry, highParryR), state(states::lowParry, lowParryR),
    state(states::carnageShot, carnageShotR), state(states::highKick, highKickR), state(states::lowKick, lowKickR),
    state(states::damaged, damagedR),         state(states::dead, deadR)};
const StateTimeline<player> facingLeft[] = {
    state(states::normal, normalL),           state(states::high, highL),         state(states::low, lowL),
    state(states::evade, evadeL),             state(states::highParry, highParryL), state(states::lowParry, lowParryL),
    state(states::carnageShot, carnageShotL), state(states::highKick, highKickL), state(states::lowKick, lowKickL),
    state(states::damaged, damagedL),         state(states::dead, deadL)};

} // namespace

void animate_ryke()
{
    if (ryke.facing == facings::right)
        runTimeline(facingRight, ryke);
    else if (ryke.facing == facings::left)
        runTimeline(facingLeft, ryke);
}
