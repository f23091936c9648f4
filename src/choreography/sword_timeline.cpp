#include "choreography/choreography.h"
#include "choreography/enemy_windows.h"
#include "encounter/lines.h"
#include "names/names.h"
#include "shell/assets.h"

using namespace enemyWindows;

namespace {

// clang-format off
// The right-hand sword fighter, sprites as stored. It lunges in to strike and falls away dying.
// bound          sprite            place                  mirror phase    effect, sound, stretch
const Row normalR[] = {
    {nullptr,       &badGuy,          atRest(),              false, noPhase}};
const Row highR[] = {
    {highWindUp,    &badSwordHi_1,    fromStand(380),        false, 1},
    {highBladeOut,  &badSwordHi_2,    fromStand(50),         false, 2, parryHigh},
    {highStrike,    &badSwordHi_3,    fromStand(50),         false, 3, strikeHigh},
    {nullptr,       &badSwordHi_2,    fromStand(50),         false, noPhase, backToNormal}};
const Row lowR[] = {
    {lowWindUp,     &badSwordLo_1,    fromStand(350),        false, 1},
    {lowBladeOut,   &badSwordLo_2,    fromStand(70),         false, 2, parryLow},
    {lowStrike,     &badSwordLo_3,    fromStand(70),         false, 3, strikeLow},
    {nullptr,       &badSwordLo_2,    fromStand(100),        false, noPhase, backToNormal}};
const Row evadeR[] = {
    {evadeLength,   &badSwordDodge,   fromStand(270),        false, noPhase},
    {nullptr,       &badSwordDodge,   fromStand(270),        false, noPhase, backToNormal}};
const Row stunnedR[] = {
    {stunLength,    &badSwordStun_R,  fromStand(270),        false, noPhase},
    {nullptr,       &badGuy,          atRestX(),             false, noPhase, backToNormal}};
constexpr DeathRows deadR = dyingRight(&badGuyDeath_1);
constexpr WalkInRows movingR = walkingInRight(&badSwordLo_1, &badGuy);

// The left-hand sword fighter: mirrored, but its standing place, stun and walk-in are fixed
// columns drawn from the pictures stored already mirrored, and its last low frame stays put.
const Row normalL[] = {
    {nullptr,       &badGuy_flip,     atColumnRestY(62),     false, noPhase}};
const Row highL[] = {
    {highWindUp,    &badSwordHi_1,    fromStand(-280),       true,  1},
    {highBladeOut,  &badSwordHi_2,    fromStand(-250),       true,  2, parryHigh},
    {highStrike,    &badSwordHi_3,    fromStand(-250),       true,  3, strikeHigh},
    {nullptr,       &badSwordHi_2,    fromStand(-250),       true,  noPhase, backToNormal}};
const Row lowL[] = {
    {lowWindUp,     &badSwordLo_1,    fromStand(-420),       true,  1},
    {lowBladeOut,   &badSwordLo_2,    fromStand(-200),       true,  2, parryLow},
    {lowStrike,     &badSwordLo_3,    fromStand(-200),       true,  3, strikeLow},
    {nullptr,       &badSwordLo_2,    fromStand(-200),       true,  noPhase, backToNormal}};
const Row evadeL[] = {
    {evadeLength,   &badSwordDodge,   fromStand(-270),       true,  noPhase},
    {nullptr,       &badSwordDodge,   fromStand(-270),       true,  noPhase, backToNormal}};
const Row stunnedL[] = {
    {stunLength,    &badSwordStun_L,  atColumn(62),          false, noPhase},
    {nullptr,       &badGuy_flip,     atColumn(62),          false, noPhase, backToNormal}};
constexpr DeathRows deadL = dyingLeft(&badGuyDeath_1);
// The mirrored walk-in picture is stretched by the size of the one stored for the right.
constexpr WalkInRows movingL = walkingInLeft(&badSwordLo_1_flip, &badSwordLo_1, &badGuy_flip);
// clang-format on

// States are tried in this order; "gone" and "waiting" draw nothing.
const StateTimeline<enemy> swordRight[] = {
    state(states::normal, normalR),   state(states::high, highR), state(states::low, lowR),       state(states::evade, evadeR),
    state(states::stunned, stunnedR), state(states::dead, deadR), state(states::moving, movingR)};
const StateTimeline<enemy> swordLeft[] = {
    state(states::normal, normalL),   state(states::high, highL), state(states::low, lowL),       state(states::evade, evadeL),
    state(states::stunned, stunnedL), state(states::dead, deadL), state(states::moving, movingL)};

} // namespace

void animate_sword_R() { animateKind(currentEnemyRight, kinds::sword, swordRight); }

void animate_sword_L() { animateKind(currentEnemyLeft, kinds::sword, swordLeft); }
