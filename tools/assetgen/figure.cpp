#include "figure.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "detmath.h"

namespace {

// Body measurements in pixels at full size; every fighter shares them.
constexpr double kTorso = 88, kNeck = 8, kHeadR = 20;
constexpr double kUpperArm = 54, kForeArm = 50, kThigh = 70, kShin = 66, kFoot = 17;
constexpr double kLimbR = 6, kTorsoR = 9, kHandR = 6.5, kFootR = 5.5, kLine = 2.5;
constexpr double kBlade = 112;

constexpr Rgb kInk{20, 20, 30};
constexpr Rgb kSkin{246, 218, 186};
constexpr Rgb kSteel{206, 214, 228}, kSteelShine{250, 252, 255};
constexpr Rgb kWood{126, 82, 42}, kGunMetal{58, 62, 70}, kGripLeather{86, 56, 34};

struct Palette {
    Who who;
    Rgb limb, limbFar, torso, head, trim;
};

// clang-format off
//   who              limb            far limb        torso            head          trim
const Palette kPalettes[] = {
    {Who::Hero,       {44, 98, 222},  {30, 66, 158},  {242, 244, 250}, kSkin,        {36, 84, 205}},    // white gi, blue belt and headband
    {Who::SwordEnemy, {208, 40, 34},  {146, 26, 24},  {118, 20, 22},   {74, 12, 14}, {150, 150, 160}},  // dark red hood and tunic
    {Who::GunEnemy,   {122, 138, 52}, {86, 98, 36},   {62, 88, 42},    kSkin,        {92, 108, 46}},    // green fatigues, olive helmet
};
// clang-format on

const Palette& paletteOf(Who who)
{
    return *std::find_if(std::begin(kPalettes), std::end(kPalettes),
                         [who](const Palette& p) { return p.who == who; });
}

Vec dir(double degrees) { return {det::sinDeg(degrees), det::cosDeg(degrees)}; }
Vec upOf(double lean) { return {det::sinDeg(lean), -det::cosDeg(lean)}; }
// The side of a weapon that faces up when it points ahead.
Vec topOf(Vec d) { return {d.y, -d.x}; }
double length(Vec v) { return det::sqrt(v.x * v.x + v.y * v.y); }
Vec rotate(Vec v, double degrees)
{
    const double c = det::cosDeg(degrees), s = det::sinDeg(degrees);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

struct Shape {
    enum Kind { Disc, Capsule, Poly } kind;
    Vec a, b;
    double r;
    std::vector<Vec> pts;
    Rgb colour;
};

// Shapes drawn together: every outline first, then every fill, so joints show no seams.
struct Layer {
    std::vector<Shape> outline, fill;

    void disc(Vec c, double r, Rgb col, bool inked = true)
    {
        if (inked)
            outline.push_back({Shape::Disc, c, c, r + kLine, {}, kInk});
        fill.push_back({Shape::Disc, c, c, r, {}, col});
    }
    void capsule(Vec a, Vec b, double r, Rgb col, bool inked = true)
    {
        if (inked)
            outline.push_back({Shape::Capsule, a, b, r + kLine, {}, kInk});
        fill.push_back({Shape::Capsule, a, b, r, {}, col});
    }
    void poly(const std::vector<Vec>& pts, Rgb col, bool inked = true)
    {
        if (inked) {
            outline.push_back({Shape::Poly, {}, {}, 0, pts, kInk});
            for (size_t i = 0; i < pts.size(); ++i)
                outline.push_back(
                    {Shape::Capsule, pts[i], pts[(i + 1) % pts.size()], kLine, {}, kInk});
        }
        fill.push_back({Shape::Poly, {}, {}, 0, pts, col});
    }
};

// Joint positions of a pose, hip at the origin, facing +x.
struct Skeleton {
    Vec hip{0, 0}, shoulder, neck, head, headUp;
    Vec nearElbow, nearHand, farElbow, farHand;
    Vec nearKnee, nearAnkle, nearToe, farKnee, farAnkle, farToe;
    Vec grip, weaponDir;  // where and which way the weapon points
    bool handsReach = true;
};

// Two-bone reach: the elbow hangs below the line from shoulder to target.
void reach(Vec shoulder, Vec target, Vec& elbow, Vec& hand, bool& reached)
{
    const Vec v = target - shoulder;
    const double dist = length(v);
    const double lo = kUpperArm - kForeArm + 1e-3, hi = kUpperArm + kForeArm - 1e-3;
    if (dist > hi + 0.5 || dist < lo - 0.5)
        reached = false;
    const double d = det::clamp(dist, lo, hi);
    const Vec u = dist > 1e-9 ? v * (1.0 / dist) : Vec{0, 1};
    const Vec w{-u.y, u.x};
    const double cosA = (kUpperArm * kUpperArm + d * d - kForeArm * kForeArm) / (2 * kUpperArm * d);
    const double sinA = det::sqrt(std::max(0.0, 1 - cosA * cosA));
    const Vec e1 = shoulder + (u * cosA + w * sinA) * kUpperArm;
    const Vec e2 = shoulder + (u * cosA - w * sinA) * kUpperArm;
    elbow = e1.y > e2.y ? e1 : e2;
    hand = shoulder + u * d;
}

void limbChain(Vec root, Limb l, double len1, double len2, Vec& mid, Vec& end)
{
    mid = root + dir(l.upper) * len1;
    end = mid + dir(l.lower) * len2;
}

bool holdsRifle(Grip g) { return g == Grip::Rifle || g == Grip::RifleBolt || g == Grip::RifleOneHand; }

Skeleton buildSkeleton(const Pose& p, Who who)
{
    Skeleton s;
    const Vec up = upOf(p.lean);
    s.neck = up * kTorso;
    s.shoulder = up * (kTorso - 6);
    s.headUp = upOf(p.lean + p.headTilt);
    s.head = s.neck + s.headUp * (kNeck + kHeadR);
    limbChain(s.hip, p.nearLeg, kThigh, kShin, s.nearKnee, s.nearAnkle);
    limbChain(s.hip, p.farLeg, kThigh, kShin, s.farKnee, s.farAnkle);
    s.nearToe = s.nearAnkle + dir(p.nearLeg.lower + 90) * kFoot;
    s.farToe = s.farAnkle + dir(p.farLeg.lower + 90) * kFoot;
    limbChain(s.shoulder, p.nearArm, kUpperArm, kForeArm, s.nearElbow, s.nearHand);
    limbChain(s.shoulder, p.farArm, kUpperArm, kForeArm, s.farElbow, s.farHand);
    s.weaponDir = dir(p.weaponAngle);
    if (who == Who::GunEnemy && holdsRifle(p.grip)) {
        s.grip = s.shoulder + p.gripOffset;
        const Vec top = topOf(s.weaponDir);
        const Vec nearTarget = p.grip == Grip::RifleBolt ? s.grip + s.weaponDir * 4 + top * 9 : s.grip;
        reach(s.shoulder, nearTarget, s.nearElbow, s.nearHand, s.handsReach);
        if (p.grip != Grip::RifleOneHand)
            reach(s.shoulder, s.grip + s.weaponDir * 42, s.farElbow, s.farHand, s.handsReach);
    } else if (p.grip == Grip::Dropped) {
        s.grip = p.droppedAt;
    } else {
        s.grip = s.nearHand;
    }
    return s;
}

// Points of a star (or a jagged burst) around c: n tips, alternating radii.
std::vector<Vec> star(Vec c, int tips, double outer, double inner, double turn, Vec stretch = {1, 1})
{
    std::vector<Vec> pts;
    for (int i = 0; i < tips * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const Vec d = dir(turn + i * 180.0 / tips);
        pts.push_back(c + Vec{d.x * r * stretch.x, d.y * r * stretch.y});
    }
    return pts;
}

void addSword(Layer& layer, Vec hand, Vec d, Who who)
{
    const Vec n = topOf(d);
    const Rgb guard = who == Who::Hero ? Rgb{226, 182, 52} : Rgb{70, 70, 78};
    const double blade = who == Who::Hero ? kBlade + 6 : kBlade;
    layer.capsule(hand - d * 13, hand + d * 5, 3.2, kGripLeather);
    layer.capsule(hand + d * 9, hand + d * (blade - 8), 4, kSteel);
    layer.poly({hand + d * (blade - 12) + n * 4, hand + d * blade, hand + d * (blade - 12) - n * 4},
               kSteel);
    layer.capsule(hand + d * 6 - n * 11, hand + d * 6 + n * 11, 3.2, guard);
    layer.capsule(hand + d * 12 + n * 1.5, hand + d * (blade - 16) + n * 1.5, 1.1, kSteelShine, false);
}

void addRifle(Layer& layer, Vec grip, Vec d)
{
    const Vec n = topOf(d);
    layer.poly({grip - d * 6 + n * 3, grip - d * 44 + n * 4, grip - d * 46 - n * 12, grip - d * 8 - n * 7},
               kWood);
    layer.capsule(grip + d * 28 + n * 2, grip + d * 62 + n * 2, 4.2, kWood);
    layer.capsule(grip + d * 14, grip + d * 16 - n * 15, 3.4, kGunMetal);
    layer.capsule(grip + d * 30 + n * 6.5, grip + d * 96 + n * 6.5, 2.6, kGunMetal);
    layer.capsule(grip - d * 6 + n * 5, grip + d * 30 + n * 5, 5, kGunMetal);
    layer.disc(grip + d * 4 + n * 11, 2.6, kGunMetal);
}

Vec muzzleOf(const Skeleton& s) { return s.grip + s.weaponDir * 98 + topOf(s.weaponDir) * 6.5; }
Vec swordTipOf(const Skeleton& s, Who who) { return s.grip + s.weaponDir * (who == Who::Hero ? kBlade + 6 : kBlade); }

// A point on the head: a ahead of its centre and b above it, in head radii.
Vec onHead(const Skeleton& s, double a, double b)
{
    const Vec f{-s.headUp.y, s.headUp.x};
    return s.head + f * (a * kHeadR) + s.headUp * (b * kHeadR);
}

bool has(const std::vector<Effect>& fx, Fx kind)
{
    return std::any_of(fx.begin(), fx.end(), [kind](const Effect& e) { return e.kind == kind; });
}

void addFace(Layer& layer, const Skeleton& s, Who who, const std::vector<Effect>& fx)
{
    const Vec eye = onHead(s, 0.45, 0.08);
    if (has(fx, Fx::XEyes)) {
        layer.capsule(eye + Vec{-4, -4}, eye + Vec{4, 4}, 1.4, kInk, false);
        layer.capsule(eye + Vec{-4, 4}, eye + Vec{4, -4}, 1.4, kInk, false);
    } else if (has(fx, Fx::SwirlEyes)) {
        layer.disc(eye, 5.5, kInk, false);
        layer.disc(eye, 4, kSkin, false);
        layer.disc(eye + Vec{0.8, -0.6}, 1.8, kInk, false);
    } else {
        layer.disc(eye, 2.7, kInk, false);
        // The enemies frown; the hero's brow is level.
        const double slope = who == Who::Hero ? 0.05 : 0.2;
        layer.capsule(onHead(s, 0.22, 0.36 + slope), onHead(s, 0.72, 0.36 - slope), 1.3, kInk, false);
    }
    if (has(fx, Fx::PainBurst) || has(fx, Fx::XEyes))
        layer.disc(onHead(s, 0.62, -0.48), 3.2, kInk, false);
}

void addHead(Layer& layer, const Skeleton& s, Who who, const Palette& pal, const std::vector<Effect>& fx)
{
    layer.capsule(s.neck, s.head, 5, pal.limb);
    switch (who) {
    case Who::Hero:
        // Headband tails stream behind him.
        layer.capsule(onHead(s, -0.9, 0.3), onHead(s, -2.1, -0.05), 3, pal.trim);
        layer.capsule(onHead(s, -0.9, 0.3), onHead(s, -1.85, -0.55), 3, pal.trim);
        layer.disc(s.head, kHeadR, pal.head);
        layer.capsule(onHead(s, -0.98, 0.34), onHead(s, 0.97, 0.26), 3.6, pal.trim, false);
        break;
    case Who::SwordEnemy:
        // A hood with a slit for the eyes.
        layer.capsule(onHead(s, -0.8, 0.35), onHead(s, -1.75, -0.45), 4.5, pal.head);
        layer.disc(s.head, kHeadR, pal.head);
        layer.capsule(onHead(s, 0.12, 0.08), onHead(s, 0.78, 0.08), 6, kSkin, false);
        break;
    case Who::GunEnemy: {
        layer.disc(s.head, kHeadR, pal.head);
        std::vector<Vec> dome;
        for (int i = 0; i <= 12; ++i) {
            const double t = -100 + i * 200.0 / 12;
            const Vec f{-s.headUp.y, s.headUp.x};
            dome.push_back(s.head + f * (det::sinDeg(t) * kHeadR * 1.14) +
                           s.headUp * (det::cosDeg(t) * kHeadR * 1.14 - 2));
        }
        layer.poly(dome, pal.trim);
        layer.capsule(onHead(s, -1.1, 0.02), onHead(s, 1.3, 0.02), 2.6, pal.trim);
        break;
    }
    }
    addFace(layer, s, who, fx);
}

// Effects behind the figure.
void addBackEffects(Layer& layer, const Skeleton& s, Who who, const std::vector<Effect>& fx)
{
    for (const Effect& e : fx) {
        if (e.kind == Fx::Swoosh) {
            // The arc the blade swept, out to its tip and no further: the cut ends where the tip is.
            const double outer = length(swordTipOf(s, who) - s.grip), inner = outer * 0.55;
            std::vector<Vec> arc;
            const int steps = 24;
            for (int i = 0; i <= steps; ++i)
                arc.push_back(s.grip + dir(e.a + (e.b - e.a) * i / steps) * outer);
            for (int i = steps; i >= 0; --i) {
                const double t = static_cast<double>(i) / steps;
                arc.push_back(s.grip + dir(e.a + (e.b - e.a) * t) * (outer - (outer - inner) * t));
            }
            layer.poly(arc, {214, 230, 255}, false);
        } else if (e.kind == Fx::Aura) {
            const Vec tip = swordTipOf(s, who);
            layer.capsule(s.grip, tip, 16, {255, 128, 24}, false);
            layer.capsule(s.grip, tip, 10, {255, 214, 84}, false);
            det::Rng rng(77);
            for (int i = 0; i < 14; ++i) {
                // One draw per statement: C++ leaves the order of operands to the compiler.
                const double along = rng.uniform();
                const double dx = rng.signedUnit() * 30;
                const double dy = rng.signedUnit() * 30;
                const Vec c = s.grip + (tip - s.grip) * along + Vec{dx, dy};
                layer.poly(star(c, 4, 7, 2.2, 0), {255, 246, 200}, false);
            }
        } else if (e.kind == Fx::SpeedLines) {
            for (int i = 0; i < 4; ++i) {
                const double y = -150 + i * 48;
                const double x0 = 52 + (i % 2) * 14;
                layer.capsule({x0, y}, {x0 + 46 - i * 5, y}, 1.8, {228, 232, 244}, false);
            }
        }
    }
}

// Effects in front of the figure.
void addFrontEffects(Layer& layer, const Skeleton& s, Who who, const std::vector<Effect>& fx)
{
    const Vec d = s.weaponDir;
    for (const Effect& e : fx) {
        switch (e.kind) {
        case Fx::Beam: {
            const Vec tip = swordTipOf(s, who);
            const Vec n = topOf(d);
            det::Rng rng(311);
            // Widening, ragged flame: outer orange, yellow middle, white core.
            const double widths[3] = {1.0, 0.62, 0.28};
            const Rgb colours[3] = {{255, 104, 18}, {255, 206, 58}, {255, 250, 232}};
            for (int band = 0; band < 3; ++band) {
                std::vector<Vec> top, bottom;
                for (int i = 0; i <= 30; ++i) {
                    const double along = i * 22.0;
                    const double half = (10 + along * 0.1) * widths[band];
                    const double jag = band == 0 ? rng.range(0.8, 1.2) : 1.0;
                    top.push_back(tip + d * along + n * (half * jag));
                    bottom.push_back(tip + d * along - n * (half * jag));
                }
                top.insert(top.end(), bottom.rbegin(), bottom.rend());
                layer.poly(top, colours[band], false);
            }
            layer.poly(star(tip, 8, 30, 12, 10), {255, 240, 160}, false);
            break;
        }
        case Fx::MuzzleFlash: {
            const Vec m = muzzleOf(s) + d * (e.a * 0.5);
            layer.poly(star(m, 9, e.a, e.a * 0.42, 5), {255, 136, 24}, false);
            layer.poly(star(m, 9, e.a * 0.6, e.a * 0.26, 25), {255, 236, 120}, false);
            break;
        }
        case Fx::Tracer: {
            // The round's streak along the barrel, widening and brightening as it flies out past
            // the picture's edge toward the target: an orange glow round a hot white core.
            const Vec m = muzzleOf(s);
            const Vec n = topOf(d);
            auto wedge = [&](double from, double halfAt0, double growth, Rgb colour) {
                const double to = 1400;
                const Vec a = m + d * from, b = m + d * to;
                const double h0 = halfAt0, h1 = halfAt0 + growth * (to - from);
                layer.poly({a + n * h0, b + n * h1, b - n * h1, a - n * h0}, colour, false);
            };
            wedge(4, 1.6, 0.035, {255, 132, 30});
            wedge(6, 0.9, 0.02, {255, 226, 130});
            wedge(10, 0.4, 0.008, {255, 255, 240});
            for (int i = 0; i < 3; ++i)
                layer.capsule(m + d * (22 + i * 30) + n * 10, m + d * (38 + i * 30) + n * 10, 1.1, {255, 246, 210}, false);
            break;
        }
        case Fx::Smoke: {
            const Vec m = muzzleOf(s);
            const Vec n = topOf(d);
            layer.disc(m + d * 10 + n * 6, 9, {176, 176, 182}, false);
            layer.disc(m + d * 20 + n * 14, 7, {196, 196, 202}, false);
            layer.disc(m + d * 4 + n * 16, 6, {214, 214, 220}, false);
            break;
        }
        case Fx::Clicks: {
            const Vec bolt = s.grip + d * 4 + topOf(d) * 11;
            for (int i = -1; i <= 1; ++i) {
                const Vec ray = rotate(topOf(d), i * 38);
                layer.capsule(bolt + ray * 16, bolt + ray * 27, 1.6, {255, 240, 160}, false);
            }
            break;
        }
        case Fx::Stars: {
            for (int i = 0; i < 3; ++i) {
                const double t = 30 + i * 120;
                const Vec c = onHead(s, det::sinDeg(t) * 1.7, 1.9 + det::cosDeg(t) * 0.4);
                layer.poly(star(c, 5, 9, 3.8, 180 + i * 20), {255, 226, 40});
            }
            break;
        }
        case Fx::PainBurst: {
            const Vec c = s.shoulder + Vec{26, 22};
            layer.poly(star(c, 11, 28, 12, 0), {232, 52, 30}, false);
            layer.poly(star(c, 11, 15, 6, 16), {255, 214, 90}, false);
            break;
        }
        case Fx::KickBurst: {
            const Vec c = s.nearToe;
            layer.poly(star(c, 10, 26, 11, 0), {255, 226, 110}, false);
            layer.poly(star(c, 10, 13, 5, 18), {255, 255, 236}, false);
            break;
        }
        default:
            break;
        }
    }
}

}  // namespace

namespace {

struct Figure {
    Layer back, farSide, body, weapon, nearSide, front;
};

Figure buildFigure(Who who, const Pose& p, const std::vector<Effect>& fx, Skeleton& s)
{
    const Palette& pal = paletteOf(who);
    s = buildSkeleton(p, who);
    Figure f;
    addBackEffects(f.back, s, who, fx);

    // Far leg and far arm in a darker shade, behind everything else.
    f.farSide.capsule(s.hip, s.farKnee, kLimbR, pal.limbFar);
    f.farSide.capsule(s.farKnee, s.farAnkle, kLimbR, pal.limbFar);
    f.farSide.capsule(s.farAnkle, s.farToe, kFootR, pal.limbFar);
    f.farSide.capsule(s.shoulder, s.farElbow, kLimbR, pal.limbFar);
    f.farSide.capsule(s.farElbow, s.farHand, kLimbR, pal.limbFar);
    f.farSide.disc(s.farHand, kHandR, pal.limbFar);

    f.body.capsule(s.hip, s.nearKnee, kLimbR, pal.limb);
    f.body.capsule(s.nearKnee, s.nearAnkle, kLimbR, pal.limb);
    f.body.capsule(s.nearAnkle, s.nearToe, kFootR, pal.limb);
    f.body.capsule(s.hip, s.neck, kTorsoR, pal.torso);
    addHead(f.body, s, who, pal, fx);
    const Vec up = upOf(p.lean);
    const Vec across{-up.y, up.x};
    f.body.capsule(s.hip + up * 10 - across * 9, s.hip + up * 10 + across * 9, 2.6, pal.trim, false);

    if (who == Who::GunEnemy)
        addRifle(f.weapon, s.grip, s.weaponDir);
    else
        addSword(f.weapon, s.grip, s.weaponDir, who);

    f.nearSide.capsule(s.shoulder, s.nearElbow, kLimbR, pal.limb);
    f.nearSide.capsule(s.nearElbow, s.nearHand, kLimbR, pal.limb);
    f.nearSide.disc(s.nearHand, kHandR, pal.limb);
    // A hand holding the rifle's fore-end shows in front of it.
    if (who == Who::GunEnemy && (p.grip == Grip::Rifle || p.grip == Grip::RifleBolt))
        f.nearSide.disc(s.farHand, kHandR, pal.limbFar);

    addFrontEffects(f.front, s, who, fx);
    return f;
}

// Maps figure space into the picture: mirror for a left-facing picture, scale, then shift.
struct Transform {
    Vec origin;
    double sx, scale;
    Vec operator()(Vec p) const { return {origin.x + p.x * sx * scale, origin.y + p.y * scale}; }
};

void drawShape(Canvas& c, const Shape& sh, const Transform& t, const Rgb* override)
{
    const Rgb col = override ? *override : sh.colour;
    switch (sh.kind) {
    case Shape::Disc:
        c.disc(t(sh.a), sh.r * t.scale, col);
        break;
    case Shape::Capsule:
        c.capsule(t(sh.a), t(sh.b), sh.r * t.scale, col);
        break;
    case Shape::Poly: {
        std::vector<Vec> pts;
        for (const Vec& p : sh.pts)
            pts.push_back(t(p));
        c.polygon(pts, col);
        break;
    }
    }
}

void drawLayer(Canvas& c, const Layer& l, const Transform& t, const Rgb* override = nullptr)
{
    for (const Shape& sh : l.outline)
        drawShape(c, sh, t, override);
    for (const Shape& sh : l.fill)
        drawShape(c, sh, t, override);
}

struct Box {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    void add(Vec p, double r)
    {
        x0 = std::min(x0, p.x - r);
        y0 = std::min(y0, p.y - r);
        x1 = std::max(x1, p.x + r);
        y1 = std::max(y1, p.y + r);
    }
};

void extend(Box& box, const Layer& l)
{
    for (const Shape& sh : l.outline) {
        if (sh.kind == Shape::Poly)
            for (const Vec& p : sh.pts)
                box.add(p, 0);
        else {
            box.add(sh.a, sh.r);
            box.add(sh.b, sh.r);
        }
    }
}

Box bodyBox(const Figure& f)
{
    Box box;
    extend(box, f.farSide);
    extend(box, f.body);
    extend(box, f.weapon);
    extend(box, f.nearSide);
    return box;
}

}  // namespace

void drawFigure(Canvas& canvas, Who who, const Pose& pose, Placement place,
                const std::vector<Effect>& effects, FitReport& report)
{
    Skeleton s;
    const Figure f = buildFigure(who, pose, effects, s);
    const Box box = bodyBox(f);
    // The lowest point of the body rests on the bottom edge of the picture.
    const Transform t{{place.hipX, canvas.height() - box.y1}, place.facesLeft ? -1.0 : 1.0, 1.0};
    const double left = place.facesLeft ? t.origin.x - box.x1 : t.origin.x + box.x0;
    const double right = place.facesLeft ? t.origin.x - box.x0 : t.origin.x + box.x1;
    const double top = t.origin.y + box.y0;
    if (left < 0 || right > canvas.width() || top < 0) {
        char msg[160];
        std::snprintf(msg, sizeof msg, "body spans x %.0f..%.0f, top %.0f in a %d x %d picture", left,
                      right, top, canvas.width(), canvas.height());
        report.problems.push_back(msg);
    }
    if (!s.handsReach)
        report.problems.push_back("a hand cannot reach the rifle");
    drawLayer(canvas, f.back, t);
    drawLayer(canvas, f.farSide, t);
    drawLayer(canvas, f.body, t);
    drawLayer(canvas, f.weapon, t);
    drawLayer(canvas, f.nearSide, t);
    drawLayer(canvas, f.front, t);
}

void drawSilhouette(Canvas& canvas, Who who, const Pose& pose, Placement place, double groundY,
                    double scale, Rgb colour)
{
    Skeleton s;
    const Figure f = buildFigure(who, pose, {}, s);
    const Box box = bodyBox(f);
    const Transform t{{place.hipX, groundY - box.y1 * scale}, place.facesLeft ? -1.0 : 1.0, scale};
    drawLayer(canvas, f.farSide, t, &colour);
    drawLayer(canvas, f.body, t, &colour);
    drawLayer(canvas, f.weapon, t, &colour);
    drawLayer(canvas, f.nearSide, t, &colour);
}
