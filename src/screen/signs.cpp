#include "screen/signs.h"

#include <algorithm>

#include "screen/keycaps.h"
#include "screen/lettering.h"

namespace {

constexpr int largeScale = 4;
constexpr int glyph = 8; // the library's own font is 8 x 8

int gold() { return makecol(255, 200, 60); }
constexpr int panelPad = 20;
constexpr int panelLinePitch = 26;

// Text drawn small, then stretched: the library's font has one size only.
void largeText(BITMAP* target, const std::string& text, int centreX, int y, int colour)
{
    BITMAP* small = create_bitmap(text_length(font, text.c_str()), text_height(font));
    if (!small)
        return;
    clear_to_color(small, bitmap_mask_color(small));
    textout_ex(small, font, text.c_str(), 0, 0, colour, -1);
    masked_stretch_blit(small, target, 0, 0, small->w, small->h, centreX - small->w * largeScale / 2, y,
                        small->w * largeScale, small->h * largeScale);
    destroy_bitmap(small);
}

} // namespace

void drawSign(BITMAP* target, int centreY, const std::string& large, const std::string& small)
{
    const int height = glyph * largeScale + (small.empty() ? 0 : lettersHeight + glyph) + 2 * glyph;
    const int smallWidth = small.empty() ? 0 : letteredWidth(small);
    const int width = std::max(static_cast<int>(large.size()) * largeScale * glyph, smallWidth) + 6 * glyph;
    const int centreX = target->w / 2, top = centreY - height / 2;
    rectfill(target, centreX - width / 2, top, centreX + width / 2, top + height, makecol(20, 8, 8));
    rect(target, centreX - width / 2, top, centreX + width / 2, top + height, cream());
    largeText(target, large, centreX, top + glyph, cream());
    if (!small.empty())
        letterCentred(target, small, centreX, top + glyph * (largeScale + 2), cream());
}

void composeTitle(BITMAP* target, BITMAP* picture, const TitleWords& words)
{
    blit(picture, target, 0, 0, 0, 0, picture->w, picture->h);
    const int keysRight = 16 + keysTableWidth(true) + 2 * panelPad;
    drawPlate(target, 16, titlePanelTop, keysRight, titlePanelBottom);
    letter(target, "KEYS", 16 + panelPad, titlePanelTop + panelPad, gold());
    drawKeysTable(target, 16 + panelPad, titlePanelTop + panelPad + 36);
    letter(target, "ENTER fight   ESC quit   P pause", 16 + panelPad, titlePanelBottom - panelPad - lettersHeight,
           cream());

    const int cardLeft = keysRight + 16;
    drawPlate(target, cardLeft, titlePanelTop, target->w - 16, titlePanelBottom);
    letter(target, words.panelHeading, cardLeft + panelPad, titlePanelTop + panelPad, gold());
    int y = titlePanelTop + panelPad + 36;
    for (const std::string& line : words.panel) {
        letter(target, line, cardLeft + panelPad, y, cream());
        y += panelLinePitch;
    }

    // Transparent behind the letters, so the picture shows between them.
    letterCentred(target, words.speed, target->w / 2, titleSpeedY, cream());
    letterCentred(target, words.startHere, target->w / 2, titleStartHereY, gold());
    letterCentred(target, words.best, target->w / 2, titleBestY, cream());
    letterCentred(target, words.more, target->w / 2, titleMoreY, cream());
}
