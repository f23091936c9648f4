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
#include "shell/shell.h"

namespace {

constexpr int kPoseTop = 284;
constexpr int kPoseH = kGroundY - kPoseTop;  // 396
constexpr int kStandH = kGroundY - 234;      // 446
// The hero's death is drawn 50 lower than his other poses.
constexpr int kHeroDeathH = kGroundY - (kPoseTop + 50);  // 346
// An enemy's death slides 10 lower each step, from y 284 to 324: it lands on the last step.
constexpr int kEnemyDeathH = kGroundY - (kPoseTop + 40);  // 356

using E = std::vector<Effect>;

// ---- The hero: blue and white, sword in hand, stored facing right. ----

Pose heroStand()
{
    Pose p;
    p.lean = 4;
    p.nearArm = {16, 104};
    p.farArm = {-22, 12};
    p.nearLeg = {16, -2};
    p.farLeg = {-14, -8};
    p.weaponAngle = 168;
    return p;
}

Pose heroHighWindUp()  // sword raised behind the head
{
    Pose p;
    p.lean = -6;
    p.nearArm = {110, 200};
    p.farArm = {60, 100};
    p.nearLeg = {24, 4};
    p.farLeg = {-22, -14};
    p.weaponAngle = 228;
    return p;
}

Pose heroHighBladeOut()  // blade coming over, pointing ahead and up
{
    Pose p;
    p.lean = 14;
    p.nearArm = {120, 130};
    p.farArm = {-50, -20};
    p.nearLeg = {45, 5};
    p.farLeg = {-25, -15};
    p.weaponAngle = 145;
    return p;
}

Pose heroHighStrike()  // lunging cut at head height
{
    Pose p;
    p.lean = 24;
    p.nearArm = {92, 82};
    p.farArm = {-80, -110};
    p.nearLeg = {56, 2};
    p.farLeg = {-40, -35};
    p.weaponAngle = 84;
    return p;
}

Pose heroLowWindUp()  // crouched, sword drawn back low
{
    Pose p;
    p.lean = 22;
    p.nearArm = {-35, -70};
    p.farArm = {30, 50};
    p.nearLeg = {50, -5};
    p.farLeg = {-30, -65};
    p.weaponAngle = -58;
    return p;
}

Pose heroLowBladeOut()
{
    Pose p;
    p.lean = 32;
    p.nearArm = {55, 75};
    p.farArm = {-70, -100};
    p.nearLeg = {75, 5};
    p.farLeg = {-20, -85};
    p.weaponAngle = 75;
    return p;
}

Pose heroLowStrike()  // deep lunge, blade sweeping at the shins
{
    Pose p;
    p.lean = 38;
    p.nearArm = {65, 65};
    p.farArm = {-70, -110};
    p.nearLeg = {80, 5};
    p.farLeg = {-25, -88};
    p.weaponAngle = 58;
    return p;
}

Pose heroKickChamber(Limb kickingLeg)  // kicking foot drawn up behind him
{
    Pose p;
    p.lean = 28;
    p.nearArm = {10, 40};
    p.farArm = {-30, 0};
    p.nearLeg = kickingLeg;
    p.farLeg = {4, -4};
    p.weaponAngle = 180;
    return p;
}

Pose heroKickOut(double legAngle, double support, double lean)  // leg driven straight back
{
    Pose p;
    p.lean = lean;
    p.headTilt = -15;
    p.nearArm = {0, 60};
    p.farArm = {30, 90};
    p.nearLeg = {legAngle, legAngle - 2};
    p.farLeg = {support, -support * 0.6};
    p.weaponAngle = 200;
    return p;
}

Pose heroCarnageCharge()  // crouched, sword held upright before him, glowing
{
    Pose p;
    p.lean = 6;
    p.nearArm = {35, 175};
    p.farArm = {45, 175};
    p.nearLeg = {40, -10};
    p.farLeg = {-40, -30};
    p.weaponAngle = 178;
    return p;
}

Pose heroCarnageRelease()  // sword thrust ahead, the blast leaving its tip
{
    Pose p;
    p.lean = 18;
    p.nearArm = {95, 92};
    p.farArm = {88, 96};
    p.nearLeg = {55, 5};
    p.farLeg = {-45, -50};
    p.weaponAngle = 92;
    return p;
}

Pose heroDodge()  // leaning away from the blow
{
    Pose p;
    p.lean = -22;
    p.nearArm = {20, 100};
    p.farArm = {-30, 30};
    p.nearLeg = {30, 10};
    p.farLeg = {-12, -30};
    p.weaponAngle = 175;
    return p;
}

Pose heroPain()  // thrown back, hand to the chest
{
    Pose p;
    p.lean = -15;
    p.headTilt = -15;
    p.nearArm = {-10, 20};
    p.farArm = {40, 150};
    p.nearLeg = {10, -5};
    p.farLeg = {-25, -15};
    p.weaponAngle = -30;
    return p;
}

Pose heroDead()  // on his back, sword fallen beside him
{
    Pose p;
    p.lean = -90;
    p.headTilt = -5;
    p.nearArm = {-80, -95};
    p.farArm = {80, 100};
    p.nearLeg = {88, 92};
    p.farLeg = {70, 120};
    p.grip = Grip::Dropped;
    p.droppedAt = {-40, 22};
    p.weaponAngle = -96;
    return p;
}

// ---- Sword enemies: red, hooded, stored facing left (the right-hand side). ----

Pose swordStand()
{
    Pose p;
    p.lean = 6;
    p.nearArm = {45, 120};
    p.farArm = {-30, 40};
    p.nearLeg = {18, -4};
    p.farLeg = {-16, -10};
    p.weaponAngle = 168;
    return p;
}

Pose swordHighWindUp()
{
    Pose p;
    p.lean = -10;
    p.nearArm = {150, 200};
    p.farArm = {20, 60};
    p.nearLeg = {15, 0};
    p.farLeg = {-25, -15};
    p.weaponAngle = 240;
    return p;
}

Pose swordHighBladeOut()
{
    Pose p;
    p.lean = 10;
    p.nearArm = {130, 150};
    p.farArm = {-60, -90};
    p.nearLeg = {40, 5};
    p.farLeg = {-35, -40};
    p.weaponAngle = 150;
    return p;
}

Pose swordHighStrike()
{
    Pose p;
    p.lean = 22;
    p.nearArm = {95, 85};
    p.farArm = {-70, -100};
    p.nearLeg = {55, 0};
    p.farLeg = {-40, -35};
    p.weaponAngle = 85;
    return p;
}

Pose swordLowWindUp()
{
    Pose p;
    p.lean = 25;
    p.nearArm = {-40, -60};
    p.farArm = {-30, -60};
    p.nearLeg = {40, -5};
    p.farLeg = {-30, -70};
    p.weaponAngle = -60;
    return p;
}

Pose swordLowBladeOut()  // stepping in, the blade swinging through low at his side
{
    Pose p;
    p.lean = 26;
    p.nearArm = {24, 34};
    p.farArm = {-60, -95};
    p.nearLeg = {55, 0};
    p.farLeg = {-20, -50};
    p.weaponAngle = 22;
    return p;
}

Pose swordLowStrike()  // the cut at the shins, the tip ending at the hero's front leg
{
    Pose p;
    p.lean = 28;
    p.nearArm = {48, 40};
    p.farArm = {-60, -100};
    p.nearLeg = {62, 0};
    p.farLeg = {-20, -50};
    p.weaponAngle = 42;
    return p;
}

Pose leanBack(double weaponAngle)  // an enemy's dodge
{
    Pose p;
    p.lean = -30;
    p.nearArm = {30, 100};
    p.farArm = {-70, -110};
    p.nearLeg = {35, 20};
    p.farLeg = {-12, -45};
    p.weaponAngle = weaponAngle;
    return p;
}

Pose dazed()  // hunched, knees buckling, weapon hanging
{
    Pose p;
    p.lean = 18;
    p.headTilt = 25;
    p.nearArm = {-5, 10};
    p.farArm = {8, -10};
    p.nearLeg = {8, -12};
    p.farLeg = {-6, 10};
    p.weaponAngle = 20;
    return p;
}

Pose thrownBack(Vec weaponAt, double weaponAngle)  // an enemy's death: knocked off his feet
{
    Pose p;
    p.lean = -62;
    p.headTilt = -10;
    p.nearArm = {150, 165};
    p.farArm = {125, 150};
    p.nearLeg = {140, 20};
    p.farLeg = {120, 10};
    p.grip = Grip::Dropped;
    p.droppedAt = weaponAt;
    p.weaponAngle = weaponAngle;
    return p;
}

// ---- Gun enemies: olive, helmeted, rifle in both hands, stored facing left. ----

Pose rifle(double lean, double angle, Vec grip, Limb nearLeg, Limb farLeg, Grip hold = Grip::Rifle)
{
    Pose p;
    p.lean = lean;
    p.grip = hold;
    p.weaponAngle = angle;
    p.gripOffset = grip;
    p.nearLeg = nearLeg;
    p.farLeg = farLeg;
    return p;
}

const Limb kStanceFront{18, -2}, kStanceBack{-18, -10};
const Limb kKneelFront{86, 0}, kKneelBack{-8, -92};

Pose gunStandPose() { return rifle(4, 55, {16, 50}, {16, -4}, {-14, -8}); }
Pose gunCockHigh() { return rifle(-4, 152, {20, 34}, kStanceFront, kStanceBack, Grip::RifleBolt); }
// Aimed at the hero's chest standing, at his legs kneeling; the recoil pushes him back along
// the same line, so the streak of the shot stays on its path.
Pose gunAimHigh() { return rifle(6, 92, {20, 6}, {22, 0}, {-22, -10}); }
Pose gunRecoilHigh() { return rifle(0, 92, {13, 6}, {22, 0}, {-22, -10}); }
Pose gunCockLow() { return rifle(8, 152, {20, 34}, kKneelFront, kKneelBack, Grip::RifleBolt); }
Pose gunAimLow() { return rifle(14, 68, {18, 18}, kKneelFront, kKneelBack); }
Pose gunRecoilLow() { return rifle(8, 68, {11, 18}, kKneelFront, kKneelBack); }
Pose gunDodgePose() { return rifle(-30, 130, {12, 30}, {35, 20}, {-12, -45}); }
Pose gunWalk() { return rifle(8, 60, {14, 46}, {28, 10}, {-26, -40}); }

Pose gunDazed()
{
    Pose p = dazed();
    p.grip = Grip::RifleOneHand;
    p.gripOffset = {6, 100};
    p.weaponAngle = 12;
    return p;
}

// ---- The table. ----

struct FighterSprite {
    BITMAP** handle;
    int w, h;
    Who who;
    double hipX;
    bool facesLeft;
    Pose pose;
    E effects;
};

std::vector<FighterSprite> fighterTable()
{
    const Who H = Who::Hero, S = Who::SwordEnemy, G = Who::GunEnemy;
    const bool right = false, left = true;
    return {
        // Hero. Comments give where his hip lands facing right / facing left.
        {&rykeStand, 200, kPoseH, H, 100, right, heroStand(), {}},                  // 512 / 511
        {&rykeHi_1, 200, kPoseH, H, 100, right, heroHighWindUp(), {}},              // 512 / 511
        {&rykeHi_2, 400, kPoseH, H, 70, right, heroHighBladeOut(), {}},            // 532 / 491
        {&rykeHi_3, 420, kPoseH, H, 100, right, heroHighStrike(), {{Fx::Swoosh, 160, 84}}},  // 562 / 481
        {&rykeLo_1, 300, kPoseH, H, 180, right, heroLowWindUp(), {}},               // 522 / 521
        {&rykeLo_2, 365, kPoseH, H, 105, right, heroLowBladeOut(), {}},            // 617 / 451
        {&rykeLo_3, 365, kPoseH, H, 105, right, heroLowStrike(), {{Fx::Swoosh, 100, 58}}},
        {&rykeHiKick_1, 311, kPoseH, H, 200, right, heroKickChamber({-30, -150}), {}},  // 482 / 542
        {&rykeHiKick_2, 464, kPoseH, H, 263, right, heroKickOut(-96, 8, 62), {{Fx::KickBurst}}},  // 447 / 577
        {&rykeLoKick_1, 311, kPoseH, H, 200, right, heroKickChamber({-10, -120}), {}},  // 482 / 542
        {&rykeLoKick_2, 471, kPoseH, H, 256, right, heroKickOut(-68, 28, 45), {{Fx::KickBurst}}},  // 447 / 576
        {&rykeCS_1, 200, kPoseH, H, 110, right, heroCarnageCharge(), {{Fx::Aura}}}, // 502 / 541
        {&rykeCS_2, 480, kPoseH, H, 110, right, heroCarnageRelease(), {{Fx::Beam}}}, // 592 / 431
        {&rykeDodge, 178, kPoseH, H, 92, right, heroDodge(), {{Fx::SpeedLines}}},    // 604 / 597
        {&rykePain, 200, kPoseH, H, 100, right, heroPain(), {{Fx::PainBurst}}},     // 512 / 511
        {&rykeDeath, 350, kHeroDeathH, H, 195, right, heroDead(), {{Fx::XEyes}}},

        // Sword enemy, right-hand side as stored; the left side mirrors most of these.
        {&badGuy, 300, kStandH, S, 120, left, swordStand(), {}},                    // 795 / 241
        {&badSwordHi_1, 200, kPoseH, S, 57, left, swordHighWindUp(), {}},           // 849 / 274
        {&badSwordHi_2, 400, kPoseH, S, 308, left, swordHighBladeOut(), {}},       // 770 / 253
        {&badSwordHi_3, 400, kPoseH, S, 308, left, swordHighStrike(), {{Fx::Swoosh, 150, 85}}},
        {&badSwordLo_1, 350, kPoseH, S, 80, left, swordLowWindUp(), {}},            // 842 / 261
        // The left-hand side draws the low pair 46 px nearer the hero than a mirror of the right
        // would, so they are narrow: the tip then stops between his front shin and his middle.
        {&badSwordLo_2, 330, kPoseH, S, 224, left, swordLowBladeOut(), {}},        // 706 / 317
        {&badSwordLo_3, 330, kPoseH, S, 224, left, swordLowStrike(), {{Fx::Swoosh, 25, 42}}},
        {&badSwordDodge, 260, kPoseH, S, 110, left, leanBack(140), {{Fx::SpeedLines}}},  // 792 / 291
        // Staggered forward onto the hero's kick (mirrored as badSwordStun_L at 62).
        {&badSwordStun_R, 300, kPoseH, S, 85, left, dazed(), {{Fx::Stars}, {Fx::SwirlEyes}}},  // 767 / 276
        // Thrown back: hip at x 852 (right) / 211 (left) on the first of the five steps.
        {&badGuyDeath_1, 240, kEnemyDeathH, S, 100, left, thrownBack({70, -150}, 200), {{Fx::XEyes}}},

        // Gun enemy.
        {&gunStand, 300, kStandH, G, 130, left, gunStandPose(), {}},                // 805 / 231
        // He shoots from his standing place at 675 / 62, which leaves the hero 110 px beyond the
        // picture's near edge: he steps back (hip 865 / 191) so the flash and the streak of the
        // shot have room, and the streak runs out of the picture's edge straight at the hero.
        {&gunHi_1, 320, kPoseH, G, 190, left, gunCockHigh(), {{Fx::Clicks}}},
        {&gunHi_2, 320, kPoseH, G, 190, left, gunAimHigh(), {{Fx::Tracer}, {Fx::MuzzleFlash, 34}}},
        {&gunHi_3, 320, kPoseH, G, 190, left, gunRecoilHigh(), {{Fx::Tracer}, {Fx::Smoke}, {Fx::MuzzleFlash, 16}}},
        {&gunLo_1, 320, kPoseH, G, 190, left, gunCockLow(), {{Fx::Clicks}}},
        {&gunLo_2, 320, kPoseH, G, 190, left, gunAimLow(), {{Fx::Tracer}, {Fx::MuzzleFlash, 34}}},
        {&gunLo_3, 320, kPoseH, G, 190, left, gunRecoilLow(), {{Fx::Tracer}, {Fx::Smoke}, {Fx::MuzzleFlash, 16}}},
        {&gunDodge, 260, kPoseH, G, 110, left, gunDodgePose(), {{Fx::SpeedLines}}},  // 792 / 291
        {&gunStun_R, 300, kPoseH, G, 92, left, gunDazed(), {{Fx::Stars}, {Fx::SwirlEyes}}},  // 764 / 269
        // Walking in: the right-hand one grows from x 832, the left-hand one from x -140.
        {&gunMove_R, 300, kPoseH, G, 130, left, gunWalk(), {}},
        {&gunMove_L, 410, kPoseH, G, 280, right, gunWalk(), {}},
        {&gunDeath_1, 240, kEnemyDeathH, G, 100, left, thrownBack({40, -150}, 230), {{Fx::XEyes}}},
    };
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

namespace poses {
Pose heroGuard() { return heroStand(); }
Pose swordGuard() { return swordStand(); }
Pose gunGuard() { return gunStandPose(); }
}  // namespace poses
