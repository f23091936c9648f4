#include "display/fit.h"

#include <algorithm>

#include "shell/startup.h"

// Room for a title bar and a panel: a desktop gives a window less than its full height.
constexpr int decorationRoom = 64;

Area frameArea(Size screen)
{
    // Whichever side runs out first decides; products in 64 bits stay exact at any screen size.
    Area area;
    if (static_cast<long long>(screen.w) * screenHeight <= static_cast<long long>(screen.h) * screenWidth) {
        area.w = screen.w;
        area.h = static_cast<int>(static_cast<long long>(screen.w) * screenHeight / screenWidth);
    } else {
        area.h = screen.h;
        area.w = static_cast<int>(static_cast<long long>(screen.h) * screenWidth / screenHeight);
    }
    area.x = (screen.w - area.w) / 2;
    area.y = (screen.h - area.h) / 2;
    return area;
}

int largestScale(Size desktop)
{
    const int scale = std::min(desktop.w / screenWidth, desktop.h / screenHeight);
    return std::clamp(scale, 1, largestScaleAsked);
}

ScreenPlan planScreen(bool fullscreen, int scale, Size desktop)
{
    ScreenPlan plan;
    plan.fullscreen = fullscreen;
    if (fullscreen) {
        plan.size = desktop;
        plan.scale = 1;
        return plan;
    }
    plan.scale = std::clamp(std::min(scale, largestScale(desktop)), 1, largestScaleAsked);
    plan.size = {screenWidth * plan.scale, screenHeight * plan.scale};
    return plan;
}

bool windowCrowded(Size desktop, int scale)
{
    return screenWidth * scale > desktop.w || screenHeight * scale + decorationRoom > desktop.h;
}
