#include "screen/frame.h"

#include "choreography/choreography.h"
#include "coach/coach.h"
#include "display/window.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "screen/hud.h"
#include "screen/keycaps.h"
#include "screen/paint.h"
#include "screen/signs.h"
#include "shell/assets.h"
#include "shell/timer.h"

FrameSign frameSign;

namespace {

// The signs' heights: the greeting under the HUD and the kill count (under the victory picture
// once that shows), the pause in the sky above the fighters.
constexpr int greetingY = 150;
constexpr int greetingUnderVictoryY = 300;
constexpr int pausedY = 250;
constexpr int pausedKeysTop = 320;

int white() { return makecol(255, 255, 255); }

void fill(const hud::Box& box, const hud::Rgb& colour)
{
    rectfill(buffer, box.x1, box.y1, box.x2, box.y2, hud::colourOf(colour));
}

} // namespace

static_assert(hud::lifeFrame.x2 == hud::lifeFrame.x1 + hud::border + hud::pixelsPerLife * fullLife,
              "the life bar's frame holds a full life");

void draw_interface()
{
    paintSprite(int_life, hud::lifePlateX, 0);
    paintSprite(int_carm, hud::carnagePlateX, 0);

    fill(hud::lifeFrame, hud::frameColour);
    if (ryke.life > 0) {
        hud::Box bar = hud::inside(hud::lifeFrame);
        bar.x2 = hud::lifeFrame.x1 + hud::pixelsPerLife * ryke.life;
        fill(bar, hud::lifeColour);
    }

    fill(hud::carnageFrame, hud::frameColour);
    if (ryke.carnage > 0.0) {
        hud::Box meter = hud::inside(hud::carnageFrame);
        meter.x2 = static_cast<int>(ryke.carnage / ryke.carnageMax * hud::carnageLength + meter.x1);
        fill(meter, hud::carnageColour);
    }

    for (const hud::Pip& pip : hud::pips)
        fill(pip.frame, hud::frameColour);
    for (const hud::Pip& pip : hud::pips)
        if (ryke.shots >= pip.shotsNeeded)
            fill(hud::inside(pip.frame), hud::carnageColour);
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
        paintSprite(w00t, (buffer->w - w00t->w) / 2, 50);
    textprintf_ex(buffer, font, hud::killCountX, hud::killCountY, hud::colourOf(hud::textColour), 0, "Kill Count: %i",
                  killCount_L + killCount_R);
    if (!frameSign.large.empty())
        drawSign(buffer, victory ? greetingUnderVictoryY : greetingY, frameSign.large, frameSign.small);
    drawHints(buffer, coachFrame(hundredthsNow()));
    present(buffer);
}

void showPaused()
{
    drawSign(buffer, pausedY, "Paused", "press P, or come back to this window, to play on");
    // The keys as they stand for the way the hero faces now.
    const int w = keysTableWidth(false), h = keysTableHeight();
    const int x = (buffer->w - w) / 2, y = pausedKeysTop;
    drawPlate(buffer, x - 20, y - 16, x + w + 20, y + h);
    drawKeysTable(buffer, x, y, ryke.facing);
    present(buffer);
}
