// The backdrop, the title screen, the HUD panels and the victory banner.

#include <string>

#include "detmath.h"
#include "pictures.h"
#include "shell/assets.h"
#include "shell/startup.h"

namespace {

constexpr Rgb kInk{20, 20, 30};
constexpr Rgb kWhite{250, 250, 250};
constexpr Rgb kGold{255, 214, 96};

// A ridge line across the width: midpoint displacement from a fixed seed.
std::vector<Vec> ridge(uint32_t seed, double baseY, double rough, double bottom)
{
    constexpr int kPoints = 65;
    std::vector<double> h(kPoints, 0.0);
    det::Rng rng(seed);
    for (int step = kPoints - 1, amp = 1; step > 1; step /= 2, amp *= 2) {
        for (int i = step / 2; i < kPoints; i += step)
            h[i] = (h[i - step / 2] + h[std::min(kPoints - 1, i + step / 2)]) / 2 +
                   rng.signedUnit() * rough / amp;
    }
    std::vector<Vec> pts;
    for (int i = 0; i < kPoints; ++i)
        pts.push_back({i * (screenWidth / (kPoints - 1.0)), baseY - std::abs(h[i])});
    pts.push_back({static_cast<double>(screenWidth), bottom});
    pts.push_back({0, bottom});
    return pts;
}

// A bare tree: each branch splits in two, thinner, until twigs.
void branch(Canvas& c, det::Rng& rng, Vec from, double angle, double len, double r, Rgb col)
{
    const Vec to = from + Vec{det::sinDeg(angle), det::cosDeg(angle)} * len;
    c.capsule(from, to, r, col);
    if (r < 1.2)
        return;
    for (int side = -1; side <= 1; side += 2) {
        const double spread = rng.range(14, 34);
        const double shrink = rng.range(0.62, 0.8);
        branch(c, rng, to, angle + side * spread, len * shrink, r * 0.68, col);
    }
}

void stone(Canvas& c, det::Rng& rng, Vec at, double size)
{
    std::vector<Vec> pts;
    for (int i = 0; i < 9; ++i) {
        const double a = i * 40.0;
        const double r = size * rng.range(0.75, 1.0);
        pts.push_back(at + Vec{det::sinDeg(a) * r * 1.6, det::cosDeg(a) * r * 0.8});
    }
    c.polygon(pts, {104, 96, 92});
    c.capsule(at + Vec{-size * 0.6, -size * 0.4}, at + Vec{size * 0.3, -size * 0.55}, size * 0.18,
              {150, 142, 134});
}

void paintBackground(Canvas& c, FitReport&)
{
    // Dusk sky, darkest at the top where the HUD sits.
    c.verticalGradient(0, 380, {22, 18, 58}, {128, 62, 108});
    c.verticalGradient(380, 561, {128, 62, 108}, {246, 154, 88});
    det::Rng rng(2024);
    for (int i = 0; i < 70; ++i) {  // stars
        const double x = rng.range(0, screenWidth);
        const double y = rng.range(60, 300);
        const double r = rng.range(0.6, 1.5);
        c.disc({x, y}, r, {232, 228, 255});
    }
    c.disc({770, 470}, 84, {255, 196, 128});
    c.disc({770, 470}, 70, {255, 230, 180});
    c.polygon(ridge(7, 500, 150, 561), {96, 60, 108});
    c.polygon(ridge(19, 548, 70, 561), {60, 38, 72});
    det::Rng trees(5);
    branch(c, trees, {130, 548}, 184, 70, 6, {36, 24, 44});
    branch(c, trees, {905, 545}, 178, 58, 5, {36, 24, 44});
    // The ground: far field, the beaten path the fighters stand on (feet at y 680), near field.
    c.verticalGradient(560, screenHeight, {112, 90, 64}, {60, 46, 34});
    for (int x = 0; x < screenWidth; x += 64) {  // fence along the far edge of the field
        c.capsule({x + 20.0, 566}, {x + 20.0, 598}, 3, {64, 44, 30});
        c.capsule({x + 0.0, 576}, {x + 64.0, 575}, 2, {74, 52, 34});
    }
    std::vector<Vec> path;
    det::Rng edge(99);
    for (int x = 0; x <= screenWidth; x += 32)
        path.push_back({static_cast<double>(x), 652 + edge.signedUnit() * 4});
    for (int x = screenWidth; x >= 0; x -= 32)
        path.push_back({static_cast<double>(x), 712 + edge.signedUnit() * 4});
    c.polygon(path, {150, 122, 88});
    c.rect(0, 679, screenWidth, 682, {136, 110, 80});
    det::Rng scatter(31);
    for (int i = 0; i < 24; ++i) {
        const double y = i % 2 ? scatter.range(600, 640) : scatter.range(724, 760);
        const double x = scatter.range(10, screenWidth - 10);
        const double size = scatter.range(4, 9);
        stone(c, scatter, {x, y}, size);
    }
    for (int i = 0; i < 60; ++i) {  // grass tufts off the path
        const double y = i % 2 ? scatter.range(590, 648) : scatter.range(716, 766);
        const Vec at{scatter.range(0, screenWidth), y};
        for (int blade = -1; blade <= 1; ++blade)
            c.capsule(at, at + Vec{blade * 4.0, -9.0 - (blade == 0) * 4}, 1.1, {78, 104, 50});
    }
}

void paintTitle(Canvas& c, FitReport&)
{
    c.verticalGradient(0, 600, {18, 6, 12}, {96, 18, 20});
    c.verticalGradient(600, screenHeight, {30, 8, 10}, {8, 2, 4});
    c.disc({512, 360}, 214, {168, 34, 28});
    c.disc({512, 360}, 196, {206, 48, 34});
    // Three silhouettes against the sun: sword enemy, the hero, gun enemy.
    const Rgb shade{10, 4, 8};
    drawSilhouette(c, Who::SwordEnemy, poses::swordGuard, {250, false}, 602, 0.95, shade);
    drawSilhouette(c, Who::Hero, poses::heroGuard, {512, false}, 602, 1.05, shade);
    drawSilhouette(c, Who::GunEnemy, poses::gunGuard, {790, true}, 602, 0.95, shade);
    c.rect(0, 600, screenWidth, 606, {60, 12, 14});
    const std::string title = "RYKE";
    const double scale = 18;
    const double x = (screenWidth - Canvas::textWidth(title, scale)) / 2;
    c.text(title, x + 10, 50 + 10, scale, {0, 0, 0});
    c.rampText(title, x, 50, scale, {255, 240, 160}, {236, 120, 28}, 5, {60, 10, 4});
    const std::string tag = "ONE BLADE AGAINST TWO LINES";
    c.text(tag, (screenWidth - Canvas::textWidth(tag, 2)) / 2, 214, 2, {255, 214, 150}, 2, {40, 6, 6});
    const std::string prompt = "Press ENTER to fight, ESC to quit";
    c.text(prompt, (screenWidth - Canvas::textWidth(prompt, 3)) / 2, 676, 3, kWhite, 3, {0, 0, 0});
}

}  // namespace

void paintIcon(Canvas& c)
{
    // The title in small: the hero's silhouette, sword raised, against the setting sun.
    const double n = c.width();
    c.verticalGradient(0, n, {40, 8, 14}, {110, 20, 22});
    c.disc({n / 2, n * 0.46}, n * 0.4, {168, 34, 28});
    c.disc({n / 2, n * 0.46}, n * 0.36, {206, 48, 34});
    c.rect(0, n * 0.9, n, n, {30, 8, 10});
    drawSilhouette(c, Who::Hero, poses::heroGuard, {n * 0.45, false}, n * 0.92, n / 380, {10, 4, 8});
}

namespace {

// The part of a convex outline between two rows.
std::vector<Vec> band(const std::vector<Vec>& outline, double y0, double y1)
{
    auto clip = [](const std::vector<Vec>& in, double y, bool keepBelow) {
        std::vector<Vec> out;
        for (size_t i = 0; i < in.size(); ++i) {
            const Vec p = in[i], q = in[(i + 1) % in.size()];
            const bool pIn = keepBelow ? p.y >= y : p.y <= y;
            const bool qIn = keepBelow ? q.y >= y : q.y <= y;
            if (pIn)
                out.push_back(p);
            if (pIn != qIn)
                out.push_back({p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y), y});
        }
        return out;
    };
    return clip(clip(outline, y0, true), y1, false);
}

// The outline with every corner cut by `cut` pixels, so a panel's corners stay transparent.
std::vector<Vec> chamfered(const std::vector<Vec>& outline, double cut)
{
    std::vector<Vec> out;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vec prev = outline[(i + outline.size() - 1) % outline.size()], p = outline[i],
                  next = outline[(i + 1) % outline.size()];
        auto toward = [&](Vec q) {
            const Vec d = q - p;
            return p + d * (cut / det::sqrt(d.x * d.x + d.y * d.y));
        };
        out.push_back(toward(prev));
        out.push_back(toward(next));
    }
    return out;
}

// Each point moved `by` pixels toward the middle of a convex outline.
std::vector<Vec> inset(const std::vector<Vec>& outline, double by)
{
    Vec centre{0, 0};
    for (const Vec& p : outline)
        centre = centre + p * (1.0 / outline.size());
    std::vector<Vec> out;
    for (const Vec& p : outline) {
        const Vec d = p - centre;
        out.push_back(p - d * (by / det::sqrt(d.x * d.x + d.y * d.y)));
    }
    return out;
}

// A HUD plate: an ink edge, a bright steel rim, and a face shading from slate to near black,
// with a highlight along its top. Every corner is cut, so the mask shows there.
void plate(Canvas& c, const std::vector<Vec>& corners)
{
    const std::vector<Vec> outline = chamfered(corners, 5);
    c.polygon(outline, kInk);
    c.polygon(inset(outline, 2), {156, 166, 190});
    const std::vector<Vec> face = inset(outline, 4);
    for (double y = 0; y < 56; y += 1) {
        const std::vector<Vec> strip = band(face, y, y + 1);
        if (strip.size() >= 3)
            c.polygon(strip, mix({64, 70, 94}, {24, 26, 38}, y / 56));
    }
    const std::vector<Vec> shine = band(inset(outline, 5), 5, 7);
    if (shine.size() >= 3)
        c.polygon(shine, {104, 112, 140});
}

// A recessed frame just outside a rectangle the game fills (x0..x1, y0..y1 inclusive).
void slot(Canvas& c, double x0, double y0, double x1, double y1)
{
    c.rect(x0 - 3, y0 - 3, x1 + 4, y1 + 4, {180, 188, 206});
    c.rect(x0 - 1, y0 - 1, x1 + 2, y1 + 2, {14, 14, 20});
}

// A heart: two lobes and a point, inked, with a shine on the left lobe.
void heart(Canvas& c, Vec at, double r)
{
    auto shape = [&](double grow, Rgb colour) {
        c.disc(at + Vec{-r * 0.5, -r * 0.2}, r * 0.56 + grow, colour);
        c.disc(at + Vec{r * 0.5, -r * 0.2}, r * 0.56 + grow, colour);
        c.polygon({at + Vec{-r * 1.02 - grow, 0}, at + Vec{r * 1.02 + grow, 0}, at + Vec{0, r * 1.05 + grow * 1.6}},
                  colour);
    };
    shape(2.2, kInk);
    shape(0, {214, 36, 48});
    c.disc(at + Vec{-r * 0.55, -r * 0.36}, r * 0.2, {255, 196, 196});
}

// A flame: an orange tongue licking up to a point round a yellow heart, inked.
void flame(Canvas& c, Vec at, double r)
{
    // The outline in flame radii, from the tip clockwise, with a small lick on the left.
    static const Vec shape[] = {{0.00, -1.55}, {0.22, -1.05}, {0.50, -0.62}, {0.66, -0.15}, {0.62, 0.25},
                                {0.45, 0.55},  {0.20, 0.70},  {-0.10, 0.70}, {-0.40, 0.58}, {-0.60, 0.30},
                                {-0.66, -0.05}, {-0.55, -0.45}, {-0.40, -0.72}, {-0.30, -0.32}, {-0.14, -0.58},
                                {-0.05, -0.95}};
    auto tongue = [&](double size, Vec offset, double grow, Rgb colour) {
        std::vector<Vec> pts;
        for (const Vec& p : shape)
            pts.push_back(at + offset + p * (r * size));
        c.polygon(grow > 0 ? inset(pts, -grow) : pts, colour);
    };
    tongue(1.0, {0, 0}, 2.4, kInk);
    tongue(1.0, {0, 0}, 0, {255, 112, 24});
    tongue(0.5, {0, r * 0.3}, 0, {255, 222, 96});
}

// Drawn at (0, 0). The game fills the life bar at x 74..276, y 14..36 and prints
// "Kill Count: N" at (120, 40) in the 8 x 8 font, so that strip stays plain and dark.
void paintLifePanel(Canvas& c, FitReport&)
{
    plate(c, {{0, 0}, {300, 0}, {286, 56}, {0, 56}});
    heart(c, {38, 25}, 16);  // the heart says "life"; the strip below the bar is the kill count's
    slot(c, 74, 14, 276, 36);
    c.rect(112, 39, 282, 52, {14, 14, 20});
}

// Drawn at (650, 0): the carnage meter is at x 834..1016, y 14..36 and the three shot pips
// at x 834..1016, y 40..46, which are 184..366 in the panel's own columns.
void paintCarnagePanel(Canvas& c, FitReport&)
{
    plate(c, {{14, 0}, {374, 0}, {374, 56}, {0, 56}});
    flame(c, {54, 31}, 15);
    c.rampText("CARNAGE", 86, 13, 1.5, {255, 214, 96}, {255, 120, 30}, 1, kInk);
    slot(c, 184, 14, 366, 36);
    slot(c, 184, 40, 366, 46);
    c.text("SHOTS", 138, 40, 1, {232, 236, 246});
}

// Drawn centred at y 50 once both enemy lines are beaten.
void paintVictory(Canvas& c, FitReport&)
{
    const Rgb ribbon{196, 30, 32}, ribbonDark{120, 14, 18};
    for (int side = 0; side < 2; ++side) {  // ribbon tails with a V notch
        const double s = side ? -1 : 1, x = side ? 560 : 0;
        c.polygon({{x, 92}, {x + s * 70, 92}, {x + s * 70, 172}, {x, 172}, {x + s * 22, 132}}, kInk);
        c.polygon({{x + s * 4, 96}, {x + s * 66, 96}, {x + s * 66, 168}, {x + s * 4, 168}, {x + s * 26, 132}},
                  ribbonDark);
    }
    c.rect(36, 48, 524, 158, kInk);
    c.rect(40, 52, 520, 154, ribbon);
    c.rect(40, 52, 520, 58, {232, 70, 64});
    // A gold trim just inside the edge.
    c.rect(46, 61, 514, 63, kGold);
    c.rect(46, 147, 514, 149, kGold);
    const std::string big = "VICTORY!";
    c.rampText(big, (560 - Canvas::textWidth(big, 6)) / 2, 68, 6, {255, 240, 160}, {236, 132, 36}, 3, kInk);
    const std::string small = "ALL ENEMIES DEFEATED";
    c.text(small, (560 - Canvas::textWidth(small, 2)) / 2, 128, 2, kWhite, 1, kInk);
    for (int i = 0; i < 5; ++i) {
        const double x = 160 + i * 60, y = i == 2 ? 18 : 26;
        std::vector<Vec> pts;
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 ? 6 : 15;
            pts.push_back({x + det::sinDeg(k * 36.0 + 180) * r, y + det::cosDeg(k * 36.0 + 180) * r});
        }
        c.polygon(inset(pts, -2.5), kInk);
        c.polygon(pts, kGold);
    }
    det::Rng rng(8);
    for (int i = 0; i < 10; ++i) {  // sparkles
        const double x = rng.range(60, 500);
        const double y = rng.range(172, 194);
        const double r = rng.range(1.5, 3);
        c.disc({x, y}, r, {255, 244, 190});
    }
}

}  // namespace

std::vector<PictureRecipe> sceneryPictures()
{
    // clang-format off
    //   picture       width     height    masked  grounded  paint              mirror of  mask probes
    return {
        {&background,  screenWidth, screenHeight, false,  false,    paintBackground},
        {&enterScreen, screenWidth, screenHeight, false,  false,    paintTitle},
        // The panels touch the screen's edges; each has one slanted end over the backdrop.
        {&int_life,    300,      56,       true,   false,    paintLifePanel,    nullptr,   {{299, 55}}},
        {&int_carm,    374,      56,       true,   false,    paintCarnagePanel, nullptr,   {{0, 0}}},
        {&w00t,        560,      200,      true,   false,    paintVictory,      nullptr,   corners(560, 200)},
    };
    // clang-format on
}
