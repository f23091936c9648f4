#include "screen/hints.h"

#include "platform/fullscreen.h"
#include "screen/keycaps.h"
#include "screen/lettering.h"

void drawTitleHints(BITMAP* target, bool fullscreen, bool crowded)
{
    const char* hints = !screenSwitches ? "TAB: keys"
                        : fullscreen    ? "TAB: keys   F11: back to a window"
                                        : "TAB: keys   F11: fullscreen   --scale N: larger window";
    letterCentred(target, hints, target->w / 2, titleHintsY, cream());
    // Only where the game can fill the screen itself.
    if (crowded && screenSwitches)
        letterCentred(target, "Too small a screen for the window: F11 plays fullscreen", target->w / 2, titleHintsY + 20,
                      makecol(255, 120, 90));
}
