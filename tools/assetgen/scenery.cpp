// The backdrop, the title screen, the HUD panels and the victory banner.

#include <string>

#include "detmath.h"
#include "pictures.h"
#include "shell/shell.h"

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
        pts.push_back({i * (kScreenW / (kPoints - 1.0)), baseY - std::abs(h[i])});
    pts.push_back({static_cast<double>(kScreenW), bottom});
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
        const double x = rng.range(0, kScreenW);
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
    c.verticalGradient(560, 768, {112, 90, 64}, {60, 46, 34});
    for (int x = 0; x < kScreenW; x += 64) {  // fence along the far edge of the field
        c.capsule({x + 20.0, 566}, {x + 20.0, 598}, 3, {64, 44, 30});
        c.capsule({x + 0.0, 576}, {x + 64.0, 575}, 2, {74, 52, 34});
    }
    std::vector<Vec> path;
    det::Rng edge(99);
    for (int x = 0; x <= kScreenW; x += 32)
        path.push_back({static_cast<double>(x), 652 + edge.signedUnit() * 4});
    for (int x = kScreenW; x >= 0; x -= 32)
        path.push_back({static_cast<double>(x), 712 + edge.signedUnit() * 4});
    c.polygon(path, {150, 122, 88});
    c.rect(0, 679, kScreenW, 682, {136, 110, 80});
    det::Rng scatter(31);
    for (int i = 0; i < 24; ++i) {
        const double y = i % 2 ? scatter.range(600, 640) : scatter.range(724, 760);
        const double x = scatter.range(10, kScreenW - 10);
        const double size = scatter.range(4, 9);
        stone(c, scatter, {x, y}, size);
    }
    for (int i = 0; i < 60; ++i) {  // grass tufts off the path
        const double y = i % 2 ? scatter.range(590, 648) : scatter.range(716, 766);
        const Vec at{scatter.range(0, kScreenW), y};
        for (int blade = -1; blade <= 1; ++blade)
            c.capsule(at, at + Vec{blade * 4.0, -9.0 - (blade == 0) * 4}, 1.1, {78, 104, 50});
    }
}

void paintTitle(Canvas& c, FitReport&)
{
    c.verticalGradient(0, 600, {18, 6, 12}, {96, 18, 20});
    c.verticalGradient(600, kScreenH, {30, 8, 10}, {8, 2, 4});
    c.disc({512, 360}, 214, {168, 34, 28});
    c.disc({512, 360}, 196, {206, 48, 34});
    // Three silhouettes against the sun: sword enemy, the hero, gun enemy.
    const Rgb shade{10, 4, 8};
    drawSilhouette(c, Who::SwordEnemy, poses::swordGuard(), {250, false}, 602, 0.95, shade);
    drawSilhouette(c, Who::Hero, poses::heroGuard(), {512, false}, 602, 1.05, shade);
    drawSilhouette(c, Who::GunEnemy, poses::gunGuard(), {790, true}, 602, 0.95, shade);
    c.rect(0, 600, kScreenW, 606, {60, 12, 14});
    const std::string title = "RYKE";
    const double scale = 18;
    const double x = (kScreenW - Canvas::textWidth(title, scale)) / 2;
    c.text(title, x + 10, 50 + 10, scale, {0, 0, 0});
    c.text(title, x, 50, scale, kGold, 5, {60, 10, 4});
    const std::string prompt = "Press ENTER to fight, ESC to quit";
    c.text(prompt, (kScreenW - Canvas::textWidth(prompt, 3)) / 2, 676, 3, kWhite, 3, {0, 0, 0});
}

// A panel plate: dark steel, lighter rim, on the mask.
void plate(Canvas& c, const std::vector<Vec>& outline)
{
    c.polygon(outline, {150, 160, 182});
    std::vector<Vec> inner;
    Vec centre{0, 0};
    for (const Vec& p : outline)
        centre = centre + p * (1.0 / outline.size());
    for (const Vec& p : outline) {
        const Vec d = p - centre;
        const double len = det::sqrt(d.x * d.x + d.y * d.y);
        inner.push_back(p - d * (3.0 / len));
    }
    c.polygon(inner, {40, 44, 58});
}

// A recessed frame just outside a rectangle the game fills (x0..x1, y0..y1 inclusive).
void slot(Canvas& c, double x0, double y0, double x1, double y1)
{
    c.rect(x0 - 3, y0 - 3, x1 + 4, y1 + 4, {180, 188, 206});
    c.rect(x0 - 1, y0 - 1, x1 + 2, y1 + 2, {14, 14, 20});
}

// Drawn at (0, 0). The game fills the life bar at x 74..276, y 14..36 and prints
// "Kill Count: N" at (120, 40) in the 8 x 8 font, so that strip stays plain and dark.
void paintLifePanel(Canvas& c, FitReport&)
{
    plate(c, {{0, 0}, {300, 0}, {286, 56}, {0, 56}});
    c.text("LIFE", 4, 17, 2, kWhite, 1, kInk);
    slot(c, 74, 14, 276, 36);
    c.rect(112, 39, 282, 52, {22, 24, 32});
}

// Drawn at (650, 0): the carnage meter is at x 834..1016, y 14..36 and the three shot pips
// at x 834..1016, y 40..46, which are 184..366 in the panel's own columns.
void paintCarnagePanel(Canvas& c, FitReport&)
{
    plate(c, {{14, 0}, {374, 0}, {374, 56}, {0, 56}});
    c.text("CARNAGE", 64, 17, 2, {255, 150, 60}, 1, kInk);
    slot(c, 184, 14, 366, 36);
    slot(c, 184, 40, 366, 46);
    c.text("SHOTS", 136, 40, 1, kWhite);
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
    const std::string big = "VICTORY!";
    c.text(big, (560 - Canvas::textWidth(big, 6)) / 2, 68, 6, kGold, 3, kInk);
    const std::string small = "ALL ENEMIES DEFEATED";
    c.text(small, (560 - Canvas::textWidth(small, 2)) / 2, 128, 2, kWhite, 1, kInk);
    for (int i = 0; i < 5; ++i) {
        const double x = 160 + i * 60, y = i == 2 ? 18 : 26;
        std::vector<Vec> pts;
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 ? 6 : 15;
            pts.push_back({x + det::sinDeg(k * 36.0 + 180) * r, y + det::cosDeg(k * 36.0 + 180) * r});
        }
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
    return {
        {&background, kScreenW, kScreenH, false, false, paintBackground},
        {&enterScreen, kScreenW, kScreenH, false, false, paintTitle},
        // The panels touch the screen's edges; each has one slanted end over the backdrop.
        {&int_life, 300, 56, true, false, paintLifePanel, nullptr, {{299, 55}}},
        {&int_carm, 374, 56, true, false, paintCarnagePanel, nullptr, {{0, 0}}},
        {&w00t, 560, 200, true, false, paintVictory, nullptr, corners(560, 200)},
    };
}
