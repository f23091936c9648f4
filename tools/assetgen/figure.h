#pragma once
// The fighters' shared stick-figure style. A pose is a table of limb angles in degrees, all
// measured the same way: 0 points straight down, 90 straight ahead (toward the opponent),
// 180 straight up, -90 straight back. The torso's angle is its lean from upright, positive
// toward the opponent. A figure is built with the hip at the origin, facing +x, then mirrored
// if the picture faces left and dropped until its lowest point rests on the picture's bottom.

#include <string>
#include <vector>

#include "canvas.h"

enum class Who { Hero, SwordEnemy, GunEnemy };

struct Limb {
    double upper, lower;  // upper arm / thigh, forearm / shin
};

enum class Grip {
    Sword,       // sword in the near hand at weaponAngle
    Rifle,       // rifle at weaponAngle, grip at gripOffset from the shoulder, both hands on it
    RifleBolt,   // as Rifle, but the near hand works the bolt (cocking)
    RifleOneHand,  // rifle hanging from the near hand only; the far arm follows its angles
    Dropped,     // the weapon flies or lies loose at droppedAt (from the hip)
};

enum class Fx {
    Swoosh,       // pale arc swept by the blade, from a to b degrees, behind the figure
    Aura,         // glowing blade of a charging carnage shot
    Beam,         // the carnage blast leaving the sword's tip
    MuzzleFlash,  // size a
    Tracer,       // a shot's streak from the muzzle onward
    Smoke,        // puff at the muzzle
    Clicks,       // small strokes at the bolt: the gun being cocked
    Stars,        // dazed stars circling the head
    PainBurst,    // a blow landing on the chest
    KickBurst,    // impact at the near foot
    SpeedLines,   // streaks ahead of a figure moving back
    XEyes,        // dead
    SwirlEyes,    // stunned
};

struct Effect {
    Fx kind;
    double a = 0, b = 0;
};

// One row of the pose table (fighters.cpp).
struct Pose {
    double lean, headTilt;
    Limb nearArm, farArm, nearLeg, farLeg;
    Grip grip;
    double weaponAngle;
    Vec gripOffset{0, 0};  // rifle grip relative to the shoulder
    Vec droppedAt{0, 0};   // loose weapon's grip relative to the hip
};

// Where and how a figure goes into its picture.
struct Placement {
    double hipX;     // column of the hip in the picture
    bool facesLeft;  // stored facing left (a right-hand enemy)
};

// What a drawing noticed: parts of the body outside the picture, hands that could not reach.
struct FitReport {
    std::vector<std::string> problems;
};

void drawFigure(Canvas& canvas, Who who, const Pose& pose, Placement place,
                const std::vector<Effect>& effects, FitReport& report);

// A plain silhouette of a figure in one colour (the title screen's fighters).
void drawSilhouette(Canvas& canvas, Who who, const Pose& pose, Placement place, double groundY,
                    double scale, Rgb colour);
