#include "choreography/choreography.h"
#include "choreography/enemy_windows.h"
#include "encounter/lines.h"
#include "shell/assets.h"

using namespace enemy_windows;

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
const Row deadR[] = {
    {after<10>,     &badGuyDeath_1,   fromStand(340, 0),     false, noPhase},
    {after<15>,     &badGuyDeath_1,   fromStand(380, 10),    false, noPhase},
    {after<20>,     &badGuyDeath_1,   fromStand(420, 20),    false, noPhase},
    {after<25>,     &badGuyDeath_1,   fromStand(460, 30),    false, noPhase},
    {after<30>,     &badGuyDeath_1,   fromStand(500, 40),    false, noPhase},
    {nullptr,       nullptr,          fromStand(0),          false, noPhase, removeRight}};
const Row movingR[] = {
    {after<10>,     &badSwordLo_1,    fromStand(420),        false, noPhase, nullptr, silent, 0.8},
    {after<15>,     &badSwordLo_1,    fromStand(380),        false, noPhase, nullptr, silent, 0.85},
    {after<20>,     &badSwordLo_1,    fromStand(340),        false, noPhase, nullptr, silent, 0.9},
    {after<25>,     &badSwordLo_1,    fromStand(320),        false, noPhase, releaseOnDeckRight, silent, 0.95},
    {nullptr,       &badGuy,          fromStand(300),        false, noPhase, openAttack}};

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
const Row deadL[] = {
    {after<10>,     &badGuyDeath_1,   fromStand(-340, 0),    true,  noPhase},
    {after<15>,     &badGuyDeath_1,   fromStand(-380, 10),   true,  noPhase},
    {after<20>,     &badGuyDeath_1,   fromStand(-420, 20),   true,  noPhase},
    {after<25>,     &badGuyDeath_1,   fromStand(-460, 30),   true,  noPhase},
    {after<30>,     &badGuyDeath_1,   fromStand(-500, 40),   true,  noPhase},
    {nullptr,       nullptr,          fromStand(0),          false, noPhase, removeLeft}};
// The mirrored walk-in picture is stretched by the size of the one stored for the right.
const Row movingL[] = {
    {after<10>,     &badSwordLo_1_flip, atColumn(-140),      false, noPhase, nullptr, silent, 0.8,  &badSwordLo_1},
    {after<15>,     &badSwordLo_1_flip, atColumn(-110),      false, noPhase, nullptr, silent, 0.85, &badSwordLo_1},
    {after<20>,     &badSwordLo_1_flip, atColumn(-90),       false, noPhase, nullptr, silent, 0.9,  &badSwordLo_1},
    {after<25>,     &badSwordLo_1_flip, atColumn(-70),       false, noPhase, releaseOnDeckLeft, silent, 0.95, &badSwordLo_1},
    {nullptr,       &badGuy_flip,     atColumn(62),          false, noPhase, openAttack}};
// clang-format on

// States are tried in this order; "gone" and "waiting" draw nothing.
const StateTimeline<enemy> swordRight[] = {
    state("normal", normalR), state("high", highR),       state("low", lowR),       state("evade", evadeR),
    state("stunned", stunnedR), state("dead", deadR),     state("moving", movingR)};
const StateTimeline<enemy> swordLeft[] = {
    state("normal", normalL), state("high", highL),       state("low", lowL),       state("evade", evadeL),
    state("stunned", stunnedL), state("dead", deadL),     state("moving", movingL)};

} // namespace

void animate_sword_R() { animateKind(currentEnemyRight, "standard_sword", swordRight); }

void animate_sword_L() { animateKind(currentEnemyLeft, "standard_sword", swordLeft); }
