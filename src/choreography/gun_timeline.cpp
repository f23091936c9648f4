#include "choreography/choreography.h"
#include "choreography/enemy_windows.h"
#include "encounter/lines.h"
#include "shell/assets.h"

using namespace enemy_windows;

namespace {

// The gun is cocked once in the wind-up and fired once with the blade-out phase; each side
// and height has its own volume and pan.
constexpr SoundOnce cockHighR = {&gunCockFX, 150, 200, &character::firstSoundPlayed};
constexpr SoundOnce fireHighR = {&gunShot_2FX, 100, 200, &character::secondSoundPlayed};
constexpr SoundOnce cockLowR = {&gunCockFX, 150, 127, &character::firstSoundPlayed};
constexpr SoundOnce fireLowR = {&gunShotFX, 100, 127, &character::secondSoundPlayed};
constexpr SoundOnce cockHighL = {&gunCockFX, 100, 127, &character::firstSoundPlayed};
constexpr SoundOnce fireHighL = {&gunShotFX, 100, 127, &character::secondSoundPlayed};
constexpr SoundOnce cockLowL = {&gunCockFX, 100, 50, &character::firstSoundPlayed};
constexpr SoundOnce fireLowL = {&gunShotFX, 100, 50, &character::secondSoundPlayed};

// clang-format off
// The right-hand gun fighter, sprites as stored. It shoots from where it stands.
// bound          sprite          place                mirror phase    effect, sound, stretch
const Row normalR[] = {
    {nullptr,       &gunStand,      atRest(),            false, noPhase}};
const Row highR[] = {
    {highWindUp,    &gunHi_1,       atRestX(),           false, 1,       nullptr,   cockHighR},
    {highBladeOut,  &gunHi_2,       atRestX(),           false, 2,       parryHigh, fireHighR},
    {highStrike,    &gunHi_3,       atRestX(),           false, 3,       strikeHigh},
    {nullptr,       &gunHi_3,       atRestX(),           false, noPhase, backToNormal}};
const Row lowR[] = {
    {lowWindUp,     &gunLo_1,       atRestX(),           false, 1,       nullptr,   cockLowR},
    {lowBladeOut,   &gunLo_2,       atRestX(),           false, 2,       parryLow,  fireLowR},
    {lowStrike,     &gunLo_3,       atRestX(),           false, 3,       strikeLow},
    {nullptr,       &gunLo_3,       atRestX(),           false, noPhase, backToNormal}};
const Row evadeR[] = {
    {evadeLength,   &gunDodge,      fromStand(270),      false, noPhase},
    {nullptr,       &gunDodge,      fromStand(270),      false, noPhase, backToNormal}};
const Row stunnedR[] = {
    {stunLength,    &gunStun_R,     fromStand(260),      false, noPhase},
    {nullptr,       &gunStand,      atRestX(),           false, noPhase, backToNormal}};
const Row deadR[] = {
    {after<10>,     &gunDeath_1,    fromStand(340, 0),   false, noPhase},
    {after<15>,     &gunDeath_1,    fromStand(380, 10),  false, noPhase},
    {after<20>,     &gunDeath_1,    fromStand(420, 20),  false, noPhase},
    {after<25>,     &gunDeath_1,    fromStand(460, 30),  false, noPhase},
    {after<30>,     &gunDeath_1,    fromStand(500, 40),  false, noPhase},
    {nullptr,       nullptr,        fromStand(0),        false, noPhase, removeRight}};
const Row movingR[] = {
    {after<10>,     &gunMove_R,     fromStand(420),      false, noPhase, nullptr, silent, 0.8},
    {after<15>,     &gunMove_R,     fromStand(380),      false, noPhase, nullptr, silent, 0.85},
    {after<20>,     &gunMove_R,     fromStand(340),      false, noPhase, nullptr, silent, 0.9},
    {after<25>,     &gunMove_R,     fromStand(320),      false, noPhase, releaseOnDeckRight, silent, 0.95},
    {nullptr,       &gunStand,      fromStand(300),      false, noPhase, openAttack}};

// The left-hand gun fighter: mirrored at its fixed column, but for the pictures stored for
// the left, and with its own cues.
const Row normalL[] = {
    {nullptr,       &gunStand_flip, atColumnRestY(62),   false, noPhase}};
const Row highL[] = {
    {highWindUp,    &gunHi_1,       atColumn(62),        true,  1,       nullptr,   cockHighL},
    {highBladeOut,  &gunHi_2,       atColumn(62),        true,  2,       parryHigh, fireHighL},
    {highStrike,    &gunHi_3,       atColumn(62),        true,  3,       strikeHigh},
    {nullptr,       &gunHi_3,       atColumn(62),        true,  noPhase, backToNormal}};
const Row lowL[] = {
    {lowWindUp,     &gunLo_1,       atColumn(62),        true,  1,       nullptr,   cockLowL},
    {lowBladeOut,   &gunLo_2,       atColumn(62),        true,  2,       parryLow,  fireLowL},
    {lowStrike,     &gunLo_3,       atColumn(62),        true,  3,       strikeLow},
    {nullptr,       &gunLo_3,       atColumn(62),        true,  noPhase, backToNormal}};
const Row evadeL[] = {
    {evadeLength,   &gunDodge,      fromStand(-270),     true,  noPhase},
    {nullptr,       &gunDodge,      fromStand(-270),     true,  noPhase, backToNormal}};
const Row stunnedL[] = {
    {stunLength,    &gunStun_L,     atColumn(62),        false, noPhase},
    {nullptr,       &gunStand_flip, atColumn(62),        false, noPhase, backToNormal}};
const Row deadL[] = {
    {after<10>,     &gunDeath_1,    fromStand(-340, 0),  true,  noPhase},
    {after<15>,     &gunDeath_1,    fromStand(-380, 10), true,  noPhase},
    {after<20>,     &gunDeath_1,    fromStand(-420, 20), true,  noPhase},
    {after<25>,     &gunDeath_1,    fromStand(-460, 30), true,  noPhase},
    {after<30>,     &gunDeath_1,    fromStand(-500, 40), true,  noPhase},
    {nullptr,       nullptr,        fromStand(0),        false, noPhase, removeLeft}};
const Row movingL[] = {
    {after<10>,     &gunMove_L,     atColumn(-140),      false, noPhase, nullptr, silent, 0.8},
    {after<15>,     &gunMove_L,     atColumn(-110),      false, noPhase, nullptr, silent, 0.85},
    {after<20>,     &gunMove_L,     atColumn(-90),       false, noPhase, nullptr, silent, 0.9},
    {after<25>,     &gunMove_L,     atColumn(-70),       false, noPhase, releaseOnDeckLeft, silent, 0.95},
    {nullptr,       &gunStand_flip, atColumn(62),        false, noPhase, openAttack}};
// clang-format on

// States are tried in this order; "gone" and "waiting" draw nothing.
const StateTimeline<enemy> gunRight[] = {
    state("normal", normalR), state("high", highR),       state("low", lowR),       state("evade", evadeR),
    state("stunned", stunnedR), state("dead", deadR),     state("moving", movingR)};
const StateTimeline<enemy> gunLeft[] = {
    state("normal", normalL), state("high", highL),       state("low", lowL),       state("evade", evadeL),
    state("stunned", stunnedL), state("dead", deadL),     state("moving", movingL)};

} // namespace

void animate_gun_R() { animateKind(currentEnemyRight, "standard_gun", gunRight); }

void animate_gun_L() { animateKind(currentEnemyLeft, "standard_gun", gunLeft); }
