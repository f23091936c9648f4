// The fighters' pictures. The game places every one of them by fixed shifts from a few sizes:
// the hero's stand picture is 200 wide, so his stand origin is x 412, y 284 and every pose is
// drawn with its top at y 284; a pose picture 396 tall therefore puts the feet on the ground
// line at y 680. The sword enemy's stand picture is 300 wide, so the right-hand enemy stands
// at x 675 (2.25 times that width) and y 234 ((768 - 300) / 2): 446 tall reaches the ground.
// Each picture's hip column is chosen so the body lands near where it stands on both sides
// (the left-hand side draws the same picture mirrored at a different x). Where a blow lands,
// the width and hip column are also set so it meets its target on both sides: a sword's strike
// ends inside the hero's near half, a kick inside the staggered enemy; the tests measure both.
// One frame cannot be helped: the last frame of a stun and of a walk-in draws the 446-tall stand
// picture at y 284 instead of 234, so for that one frame the enemy stands 50 px low.

#include "pictures.h"
#include "shell/assets.h"

namespace {

constexpr int kPoseTop = 284;
constexpr int kPoseH = kGroundY - kPoseTop;  // 396
constexpr int kStandH = kGroundY - 234;      // 446
// The hero's death is drawn 50 lower than his other poses.
constexpr int kHeroDeathH = kGroundY - (kPoseTop + 50);  // 346
// An enemy's death slides 10 lower each step, from y 284 to 324: it lands on the last step.
constexpr int kEnemyDeathH = kGroundY - (kPoseTop + 40);  // 356

using Effects = std::vector<Effect>;

}  // namespace

// ---- The poses. The hero is blue and white, sword in hand; sword enemies are red and hooded;
// gun enemies are olive and helmeted, rifle in both hands. ----

namespace poses {

constexpr Grip sword = Grip::Sword, rifle = Grip::Rifle, bolt = Grip::RifleBolt,
               oneHand = Grip::RifleOneHand, dropped = Grip::Dropped;

// clang-format off
// Angles as figure.h measures them; limbs are {upper, lower}. A hand on the rifle reaches for
// it whatever its arm's angles ({}); a rifle's grip is offset from the shoulder, a dropped
// weapon's grip lies at its place from the hip.
// pose                         lean  tilt  near arm    far arm      near leg     far leg       grip     weapon  grip offset  dropped at
const Pose heroGuard           {   4,    0, { 16, 104}, {-22,   12}, { 16,   -2}, {-14,    -8}, sword,      168};
const Pose heroHighWindUp      {  -6,    0, {110, 200}, { 60,  100}, { 24,    4}, {-22,   -14}, sword,      228};  // sword raised behind the head
const Pose heroHighBladeOut    {  14,    0, {120, 130}, {-50,  -20}, { 45,    5}, {-25,   -15}, sword,      145};  // pointing ahead and up
const Pose heroHighStrike      {  24,    0, { 92,  82}, {-80, -110}, { 56,    2}, {-40,   -35}, sword,       84};  // lunging cut at head height
const Pose heroLowWindUp       {  22,    0, {-35, -70}, { 30,   50}, { 50,   -5}, {-30,   -65}, sword,      -58};  // crouched, sword drawn back low
const Pose heroLowBladeOut     {  32,    0, { 55,  75}, {-70, -100}, { 75,    5}, {-20,   -85}, sword,       75};
const Pose heroLowStrike       {  38,    0, { 65,  65}, {-70, -110}, { 80,    5}, {-25,   -88}, sword,       58};  // deep lunge at the shins
const Pose heroHighKickChamber {  28,    0, { 10,  40}, {-30,    0}, {-30, -150}, {  4,    -4}, sword,      180};  // kicking foot drawn up behind
const Pose heroHighKickOut     {  62,  -15, {  0,  60}, { 30,   90}, {-96,  -98}, {  8,  -4.8}, sword,      200};  // leg driven straight back
const Pose heroLowKickChamber  {  28,    0, { 10,  40}, {-30,    0}, {-10, -120}, {  4,    -4}, sword,      180};
const Pose heroLowKickOut      {  45,  -15, {  0,  60}, { 30,   90}, {-68,  -70}, { 28, -16.8}, sword,      200};
const Pose heroCarnageCharge   {   6,    0, { 35, 175}, { 45,  175}, { 40,  -10}, {-40,   -30}, sword,      178};  // sword upright before him, glowing
const Pose heroCarnageRelease  {  18,    0, { 95,  92}, { 88,   96}, { 55,    5}, {-45,   -50}, sword,       92};  // the blast leaving the tip
const Pose heroDodge           { -22,    0, { 20, 100}, {-30,   30}, { 30,   10}, {-12,   -30}, sword,      175};  // leaning away from the blow
const Pose heroPain            { -15,  -15, {-10,  20}, { 40,  150}, { 10,   -5}, {-25,   -15}, sword,      -30};  // thrown back, hand to the chest
const Pose heroDead            { -90,   -5, {-80, -95}, { 80,  100}, { 88,   92}, { 70,   120}, dropped,    -96, {},          {-40,   22}};  // on his back

const Pose swordGuard          {   6,    0, { 45, 120}, {-30,   40}, { 18,   -4}, {-16,   -10}, sword,      168};
const Pose swordHighWindUp     { -10,    0, {150, 200}, { 20,   60}, { 15,    0}, {-25,   -15}, sword,      240};
const Pose swordHighBladeOut   {  10,    0, {130, 150}, {-60,  -90}, { 40,    5}, {-35,   -40}, sword,      150};
const Pose swordHighStrike     {  22,    0, { 95,  85}, {-70, -100}, { 55,    0}, {-40,   -35}, sword,       85};
const Pose swordLowWindUp      {  25,    0, {-40, -60}, {-30,  -60}, { 40,   -5}, {-30,   -70}, sword,      -60};
const Pose swordLowBladeOut    {  26,    0, { 24,  34}, {-60,  -95}, { 55,    0}, {-20,   -50}, sword,       22};  // the blade swinging through low
const Pose swordLowStrike      {  28,    0, { 48,  40}, {-60, -100}, { 62,    0}, {-20,   -50}, sword,       42};  // the tip ends at the hero's front leg
const Pose swordLeanBack       { -30,    0, { 30, 100}, {-70, -110}, { 35,   20}, {-12,   -45}, sword,      140};  // the dodge
const Pose swordDazed          {  18,   25, { -5,  10}, {  8,  -10}, {  8,  -12}, { -6,    10}, sword,       20};  // hunched, knees buckling
const Pose swordDead           { -62,  -10, {150, 165}, {125,  150}, {140,   20}, {120,    10}, dropped,    200, {},          { 70, -150}};  // knocked off his feet

// Aimed at the hero's chest standing, at his legs kneeling; the recoil pushes the gunman back
// along the same line, so the streak of the shot stays on its path.
const Pose gunGuard            {   4,    0, {},         {},          { 16,   -4}, {-14,    -8}, rifle,       55, {16,  50}};
const Pose gunCockHigh         {  -4,    0, {},         {},          { 18,   -2}, {-18,   -10}, bolt,       152, {20,  34}};
const Pose gunAimHigh          {   6,    0, {},         {},          { 22,    0}, {-22,   -10}, rifle,       92, {20,   6}};
const Pose gunRecoilHigh       {   0,    0, {},         {},          { 22,    0}, {-22,   -10}, rifle,       92, {13,   6}};
const Pose gunCockLow          {   8,    0, {},         {},          { 86,    0}, { -8,   -92}, bolt,       152, {20,  34}};
const Pose gunAimLow           {  14,    0, {},         {},          { 86,    0}, { -8,   -92}, rifle,       68, {18,  18}};
const Pose gunRecoilLow        {   8,    0, {},         {},          { 86,    0}, { -8,   -92}, rifle,       68, {11,  18}};
const Pose gunLeanBack         { -30,    0, {},         {},          { 35,   20}, {-12,   -45}, rifle,      130, {12,  30}};
const Pose gunWalk             {   8,    0, {},         {},          { 28,   10}, {-26,   -40}, rifle,       60, {14,  46}};
const Pose gunDazed            {  18,   25, {},         {  8,  -10}, {  8,  -12}, { -6,    10}, oneHand,     12, { 6, 100}};  // the rifle hanging from one hand
const Pose gunDead             { -62,  -10, {150, 165}, {125,  150}, {140,   20}, {120,    10}, dropped,    230, {},          { 40, -150}};
// clang-format on

}  // namespace poses

namespace {

// ---- The table. ----

struct FighterSprite {
    BITMAP** handle;
    int w, h;
    Who who;
    double hipX;
    bool facesLeft;
    Pose pose;
    Effects effects;
};

std::vector<FighterSprite> fighterTable()
{
    using namespace poses;
    const Who H = Who::Hero, S = Who::SwordEnemy, G = Who::GunEnemy;
    const bool right = false, left = true;
    // clang-format off
    // The trailing numbers say where the hip lands on screen: the hero's facing right / left,
    // an enemy's on the right / left side.
    //   picture          width  height        who  hip x  faces  pose                 effects
    return {
        // The hero, stored facing right.
        {&rykeStand,        200, kPoseH,       H,     100, right, heroGuard,           {}},                              // 512 / 511
        {&rykeHi_1,         200, kPoseH,       H,     100, right, heroHighWindUp,      {}},                              // 512 / 511
        {&rykeHi_2,         400, kPoseH,       H,      70, right, heroHighBladeOut,    {}},                              // 532 / 491
        {&rykeHi_3,         420, kPoseH,       H,     100, right, heroHighStrike,      {{Fx::Swoosh, 160, 84}}},         // 562 / 481
        {&rykeLo_1,         300, kPoseH,       H,     180, right, heroLowWindUp,       {}},                              // 522 / 521
        {&rykeLo_2,         365, kPoseH,       H,     105, right, heroLowBladeOut,     {}},                              // 617 / 451
        {&rykeLo_3,         365, kPoseH,       H,     105, right, heroLowStrike,       {{Fx::Swoosh, 100, 58}}},
        {&rykeHiKick_1,     311, kPoseH,       H,     200, right, heroHighKickChamber, {}},                              // 482 / 542
        {&rykeHiKick_2,     464, kPoseH,       H,     263, right, heroHighKickOut,     {{Fx::KickBurst}}},               // 447 / 577
        {&rykeLoKick_1,     311, kPoseH,       H,     200, right, heroLowKickChamber,  {}},                              // 482 / 542
        {&rykeLoKick_2,     471, kPoseH,       H,     256, right, heroLowKickOut,      {{Fx::KickBurst}}},               // 447 / 576
        {&rykeCS_1,         200, kPoseH,       H,     110, right, heroCarnageCharge,   {{Fx::Aura}}},                    // 502 / 541
        {&rykeCS_2,         480, kPoseH,       H,     110, right, heroCarnageRelease,  {{Fx::Beam}}},                    // 592 / 431
        {&rykeDodge,        178, kPoseH,       H,      92, right, heroDodge,           {{Fx::SpeedLines}}},              // 604 / 597
        {&rykePain,         200, kPoseH,       H,     100, right, heroPain,            {{Fx::PainBurst}}},               // 512 / 511
        {&rykeDeath,        350, kHeroDeathH,  H,     195, right, heroDead,            {{Fx::XEyes}}},

        // Sword enemy, right-hand side as stored; the left side mirrors most of these.
        {&badGuy,           300, kStandH,      S,     120, left,  swordGuard,          {}},                              // 795 / 241
        {&badSwordHi_1,     200, kPoseH,       S,      57, left,  swordHighWindUp,     {}},                              // 849 / 274
        {&badSwordHi_2,     400, kPoseH,       S,     308, left,  swordHighBladeOut,   {}},                              // 770 / 253
        {&badSwordHi_3,     400, kPoseH,       S,     308, left,  swordHighStrike,     {{Fx::Swoosh, 150, 85}}},
        {&badSwordLo_1,     350, kPoseH,       S,      80, left,  swordLowWindUp,      {}},                              // 842 / 261
        // The left-hand side draws the low pair 46 px nearer the hero than a mirror of the right
        // would, so they are narrow: the tip then stops between his front shin and his middle.
        {&badSwordLo_2,     330, kPoseH,       S,     224, left,  swordLowBladeOut,    {}},                              // 706 / 317
        {&badSwordLo_3,     330, kPoseH,       S,     224, left,  swordLowStrike,      {{Fx::Swoosh, 25, 42}}},
        {&badSwordDodge,    260, kPoseH,       S,     110, left,  swordLeanBack,       {{Fx::SpeedLines}}},              // 792 / 291
        // Staggered forward onto the hero's kick (mirrored as badSwordStun_L at 62).
        {&badSwordStun_R,   300, kPoseH,       S,      85, left,  swordDazed,          {{Fx::Stars}, {Fx::SwirlEyes}}},  // 767 / 276
        // Thrown back: hip at x 852 (right) / 211 (left) on the first of the five steps.
        {&badGuyDeath_1,    240, kEnemyDeathH, S,     100, left,  swordDead,           {{Fx::XEyes}}},

        // Gun enemy.
        {&gunStand,         300, kStandH,      G,     130, left,  gunGuard,            {}},                              // 805 / 231
        // He shoots from his standing place at 675 / 62, which leaves the hero 110 px beyond the
        // picture's near edge: he steps back (hip 865 / 191) so the flash and the streak of the
        // shot have room, and the streak runs out of the picture's edge straight at the hero.
        {&gunHi_1,          320, kPoseH,       G,     190, left,  gunCockHigh,         {{Fx::Clicks}}},
        {&gunHi_2,          320, kPoseH,       G,     190, left,  gunAimHigh,          {{Fx::Tracer}, {Fx::MuzzleFlash, 34}}},
        {&gunHi_3,          320, kPoseH,       G,     190, left,  gunRecoilHigh,       {{Fx::Tracer}, {Fx::Smoke}, {Fx::MuzzleFlash, 16}}},
        {&gunLo_1,          320, kPoseH,       G,     190, left,  gunCockLow,          {{Fx::Clicks}}},
        {&gunLo_2,          320, kPoseH,       G,     190, left,  gunAimLow,           {{Fx::Tracer}, {Fx::MuzzleFlash, 34}}},
        {&gunLo_3,          320, kPoseH,       G,     190, left,  gunRecoilLow,        {{Fx::Tracer}, {Fx::Smoke}, {Fx::MuzzleFlash, 16}}},
        {&gunDodge,         260, kPoseH,       G,     110, left,  gunLeanBack,         {{Fx::SpeedLines}}},              // 792 / 291
        {&gunStun_R,        300, kPoseH,       G,      92, left,  gunDazed,            {{Fx::Stars}, {Fx::SwirlEyes}}},  // 764 / 269
        // Walking in: the right-hand one grows from x 832, the left-hand one from x -140.
        {&gunMove_R,        300, kPoseH,       G,     130, left,  gunWalk,             {}},
        {&gunMove_L,        410, kPoseH,       G,     280, right, gunWalk,             {}},
        {&gunDeath_1,       240, kEnemyDeathH, G,     100, left,  gunDead,             {{Fx::XEyes}}},
    };
    // clang-format on
}

PictureRecipe recipeFor(const FighterSprite& f)
{
    const bool grounded = f.handle != &badGuyDeath_1 && f.handle != &gunDeath_1;
    return {f.handle, f.w, f.h, true, grounded,
            [f](Canvas& c, FitReport& report) {
                drawFigure(c, f.who, f.pose, {f.hipX, f.facesLeft}, f.effects, report);
            },
            nullptr, corners(f.w, f.h)};
}

PictureRecipe mirrorFor(BITMAP** handle, BITMAP** source, int w, int h)
{
    return {handle, w, h, true, true, nullptr, source, corners(w, h)};
}

}  // namespace

std::vector<PictureRecipe> fighterPictures()
{
    std::vector<PictureRecipe> out;
    for (const FighterSprite& f : fighterTable())
        out.push_back(recipeFor(f));
    // Pictures the left-hand side draws as stored: exact mirrors of the right-hand ones.
    out.push_back(mirrorFor(&badGuy_flip, &badGuy, 300, kStandH));
    out.push_back(mirrorFor(&badSwordLo_1_flip, &badSwordLo_1, 350, kPoseH));
    out.push_back(mirrorFor(&badSwordStun_L, &badSwordStun_R, 300, kPoseH));
    out.push_back(mirrorFor(&gunStand_flip, &gunStand, 300, kStandH));
    out.push_back(mirrorFor(&gunStun_L, &gunStun_R, 300, kPoseH));
    return out;
}
