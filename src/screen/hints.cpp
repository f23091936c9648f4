#include "screen/hints.h"

#include "screen/keycaps.h"
#include "screen/lettering.h"

void drawTitleHints(BITMAP* target, bool crowded)
{
    letterCentred(target, "TAB: keys   F11: fullscreen   --scale N: larger window", target->w / 2, titleHintsY, cream());
    if (crowded)
        letterCentred(target, "Too small a screen for the window: F11 plays fullscreen", target->w / 2, titleHintsY + 20,
                      makecol(255, 120, 90));
}
