#include "screen/hints.h"

namespace {
constexpr int doubled = 2;
} // namespace

void drawText16(BITMAP* target, const std::string& text, int centreX, int y, int colour)
{
    drawText16From(target, text, centreX - text_length(font, text.c_str()) * doubled / 2, y, colour);
}

void drawText16From(BITMAP* target, const std::string& text, int x, int y, int colour)
{
    BITMAP* small = create_bitmap(text_length(font, text.c_str()), text_height(font));
    if (!small)
        return;
    clear_to_color(small, bitmap_mask_color(small));
    textout_ex(small, font, text.c_str(), 0, 0, colour, -1);
    masked_stretch_blit(small, target, 0, 0, small->w, small->h, x, y, small->w * doubled, small->h * doubled);
    destroy_bitmap(small);
}

void drawTitleHints(BITMAP* target, bool crowded)
{
    const int cream = makecol(255, 226, 160);
    drawText16(target, "TAB: keys   F11: fullscreen   --scale N: larger window", target->w / 2, titleHintsY, cream);
    if (crowded)
        drawText16(target, "Too small a screen for the window: F11 plays fullscreen", target->w / 2, titleHintsY + 20,
                   makecol(255, 120, 90));
}
