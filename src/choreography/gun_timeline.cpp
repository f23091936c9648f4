#include "choreography/choreography.h"
#include "choreography/enemy_windows.h"
#include "encounter/lines.h"
#include "names/names.h"
#include "shell/assets.h"

using namespace enemyWindows;

namespace {

// The gun is cocked once in the wind-up and fired once with the blade-out phase.
constexpr SoundOnce cockHighR = {&character::firstSoundPlayed, Cue::gunCockHighRight};
constexpr SoundOnce fireHighR = {&character::secondSoundPlayed, Cue::gunFireHighRight};
constexpr SoundOnce cockLowR = {&character::firstSoundPlayed, Cue::gunCockLowRight};
constexpr SoundOnce fireLowR = {&character::secondSoundPlayed, Cue::gunFireLowRight};
constexpr SoundOnce cockHighL = {&character::firstSoundPlayed, Cue::gunCockHighLeft};
constexpr SoundOnce fireHighL = {&character::secondSoundPlayed, Cue::gunFireHighLeft};
constexpr SoundOnce cockLowL = {&character::firstSoundPlayed, Cue::gunCockLowLeft};
constexpr SoundOnce fireLowL = {&character::secondSoundPlayed, Cue::gunFireLowLeft};

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
constexpr DeathRows deadR = dyingRight(&gunDeath_1);
constexpr WalkInRows movingR = walkingInRight(&gunMove_R, &gunStand);

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
constexpr DeathRows deadL = dyingLeft(&gunDeath_1);
constexpr WalkInRows movingL = walkingInLeft(&gunMove_L, nullptr, &gunStand_flip);
// clang-format on

// States are tried in this order; "gone" and "waiting" draw nothing.
const StateTimeline<enemy> gunRight[] = {
    state(states::normal, normalR),   state(states::high, highR), state(states::low, lowR),       state(states::evade, evadeR),
    state(states::stunned, stunnedR), state(states::dead, deadR), state(states::moving, movingR)};
const StateTimeline<enemy> gunLeft[] = {
    state(states::normal, normalL),   state(states::high, highL), state(states::low, lowL),       state(states::evade, evadeL),
    state(states::stunned, stunnedL), state(states::dead, deadL), state(states::moving, movingL)};

} // namespace

void animate_gun_R() { animateKind(currentEnemyRight, kinds::gun, gunRight); }

void animate_gun_L() { animateKind(currentEnemyLeft, kinds::gun, gunLeft); }
