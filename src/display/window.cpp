#include "display/window.h"

#include <cstdio>

#include "controls/latch.h"
#include "platform/display.h"
#include "platform/fullscreen.h"
#include "shell/startup.h"
#include "shell/timer.h"

ScreenChoice screenChoice;
ScreenPlan screenOpen;

namespace {

// The frame stretched to its area before it is copied to the screen in one piece: the library's
// screens take whole copies fast, and stretching onto some of them draws line by line.
BITMAP* scaled = nullptr;
bool switchHeld = false;
// ENTER went down with Alt: it is not a plain ENTER until it is let go, whenever Alt goes.
bool enterTaken = false;

bool setMode(int card, Size size) { return set_gfx_mode(card, size.w, size.h, 0, 0) == 0; }

bool open(const ScreenPlan& plan)
{
    prepareBorderless(plan.fullscreen);
    set_color_depth(32);
    if (setMode(GFX_AUTODETECT_WINDOWED, plan.size))
        return true;
    // The game's own size has always been worth any driver; a larger one is not.
    return plan.size.w == screenWidth && plan.size.h == screenHeight && !plan.fullscreen &&
           setMode(GFX_AUTODETECT, plan.size);
}

} // namespace

Size desktopSize()
{
    Size desktop;
    if (get_desktop_resolution(&desktop.w, &desktop.h) != 0 || desktop.w <= 0 || desktop.h <= 0)
        return {screenWidth, screenHeight};
    return desktop;
}

bool openGameScreen()
{
    const Size desktop = desktopSize();
    ScreenPlan plan = planScreen(screenChoice.fullscreen && screenSwitches, screenChoice.scale, desktop);
    if (!screenChoice.fullscreen && plan.scale < screenChoice.scale)
        std::fprintf(stderr, "ryke: a window %d times as large does not fit the %d x %d desktop; it opens %d times as large\n",
                     screenChoice.scale, desktop.w, desktop.h, plan.scale);
    if (!open(plan)) {
        const ScreenPlan fallback = planScreen(false, 1, desktop);
        if (plan.size.w == fallback.size.w && plan.size.h == fallback.size.h && !plan.fullscreen)
            return false;
        std::fprintf(stderr, "ryke: the %d x %d screen could not be opened (%s); a 1024 x 768 window opens instead\n",
                     plan.size.w, plan.size.h, allegro_error);
        plan = fallback;
        if (!open(plan))
            return false;
    }
    screenOpen = plan;
    setBorderless(plan.fullscreen, plan.size.w, plan.size.h);
    releaseScreenMemoryAtExit();
    // A new mode gives the window the library's default title again.
    set_window_title("Ryke");
    clear_to_color(screen, makecol(0, 0, 0));
    if (scaled)
        destroy_bitmap(scaled);
    scaled = nullptr;
    const Area area = frameArea(plan.size);
    if (area.w != screenWidth || area.h != screenHeight)
        scaled = create_bitmap(area.w, area.h);
    return true;
}

void present(BITMAP* frame)
{
    const Area area = frameArea({screen->w, screen->h});
    if (area.w == frame->w && area.h == frame->h) {
        blit(frame, screen, 0, 0, area.x, area.y, frame->w, frame->h);
        return;
    }
    if (!scaled || scaled->w != area.w || scaled->h != area.h) {
        stretch_blit(frame, screen, 0, 0, frame->w, frame->h, area.x, area.y, area.w, area.h);
        return;
    }
    stretch_blit(frame, scaled, 0, 0, frame->w, frame->h, 0, 0, area.w, area.h);
    blit(scaled, screen, 0, 0, area.x, area.y, area.w, area.h);
}

bool altHeld() { return key[KEY_ALT] || key[KEY_ALTGR]; }

bool plainEnter() { return key[KEY_ENTER] && !altHeld() && !enterTaken; }

bool followScreenKeys()
{
    if (!key[KEY_ENTER])
        enterTaken = false;
    else if (altHeld())
        enterTaken = true;
    if (!pressedNow(switchHeld, key[KEY_F11] || (altHeld() && key[KEY_ENTER])) || !screenSwitches)
        return false;
    // A new screen takes a moment to open: the clock stands still meanwhile (a pause sets it
    // again on the next pass).
    stopClock(true);
    const ScreenChoice before = screenChoice;
    screenChoice.fullscreen = !screenChoice.fullscreen;
    if (!openGameScreen()) {
        // Back to what worked; if even that fails, the game cannot show anything more.
        screenChoice = before;
        if (!openGameScreen()) {
            std::fprintf(stderr, "ryke: the screen could not be opened again: %s\n", allegro_error);
            stopClock(false);
            return false;
        }
    }
    stopClock(false);
    return true;
}
