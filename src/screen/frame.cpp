#include "screen/frame.h"

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "screen/paint.h"
#include "screen/signs.h"
#include "shell/assets.h"

FrameSign frameSign;

namespace {

// The signs' heights: the greeting under the HUD and the kill count (under the victory picture
// once that shows), the pause in the sky above the fighters.
constexpr int greetingY = 150;
constexpr int greetingUnderVictoryY = 300;
constexpr int pausedY = 250;

int white() { return makecol(255, 255, 255); }
int black() { return makecol(0, 0, 0); }
int green() { return makecol(0, 255, 30); }
int orange() { return makecol(255, 90, 0); }

// The HUD is laid out for a 1024-pixel-wide screen; rectangles include both corners.
constexpr int meterLeft = 836;
constexpr double meterLength = 178.0;

struct Pip {
    int x1, x2;
    double shotsNeeded;
};
// clang-format off
//                          x1   x2    lit from
constexpr Pip pips[] = { {834, 894, 1.0},
                         {895, 955, 2.0},
                         {956, 1016, 3.0} };
// clang-format on

} // namespace

void draw_interface()
{
    paintSprite(int_life, 0, 0);
    paintSprite(int_carm, 650, 0);

    // Two pixels a point of life, inside a two-pixel black frame.
    rectfill(buffer, 74, 14, 276, 36, black());
    if (ryke.life > 0)
        rectfill(buffer, 76, 16, 74 + 2 * ryke.life, 34, green());

    rectfill(buffer, 834, 14, 1016, 36, black());
    if (ryke.carnage > 0.0) {
        const int end = static_cast<int>(ryke.carnage / ryke.carnageMax * meterLength + meterLeft);
        rectfill(buffer, meterLeft, 16, end, 34, orange());
    }

    for (const Pip& pip : pips)
        rectfill(buffer, pip.x1, 40, pip.x2, 46, black());
    for (const Pip& pip : pips)
        if (ryke.shots >= pip.shotsNeeded)
            rectfill(buffer, pip.x1 + 2, 42, pip.x2 - 2, 44, orange());
}

void animate()
{
    clear_to_color(buffer, white());
    blit(background, buffer, 0, 0, 0, 0, background->w, background->h);
    // Later drawing covers earlier: the player, the waiting enemies, then the current ones.
    animate_ryke();
    animate_enemyOnDeck_R();
    animate_enemyOnDeck_L();
    animate_enemy_R();
    animate_enemy_L();
    draw_interface();
    const bool victory = enemiesLeft_L == 0 && enemiesLeft_R == 0;
    if (victory)
        paintSprite(w00t, (screen->w - w00t->w) / 2, 50);
    textprintf_ex(buffer, font, 120, 40, white(), 0, "Kill Count: %i", killCount_L + killCount_R);
    if (!frameSign.large.empty())
        drawSign(buffer, victory ? greetingUnderVictoryY : greetingY, frameSign.large, frameSign.small);
    blit(buffer, screen, 0, 0, 0, 0, buffer->w, buffer->h);
}

void showPaused()
{
    drawSign(buffer, pausedY, "Paused", "press P, or come back to this window, to play on");
    blit(buffer, screen, 0, 0, 0, 0, buffer->w, buffer->h);
}
