#include "screen/lettering.h"

#include "shell/assets.h"

FONT* letters = nullptr;

// The library prints a font grabbed from a true-colour picture in the picture's own colours,
// whatever colour it is asked for; one grabbed from a 256-colour picture holding one ink beside
// the transparent 0 and the fences' 255 is a one-colour font, printed in any colour. So the
// picture (pure yellow fences, mask-coloured ground, any other colour ink) is copied as that.
static BITMAP* oneColourCopy(BITMAP* picture)
{
    BITMAP* copy = create_bitmap_ex(8, picture->w, picture->h);
    if (!copy)
        return nullptr;
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) {
            const int c = getpixel(picture, x, y);
            const bool fence = getr(c) == 255 && getg(c) == 255 && getb(c) == 0;
            const bool ground = c == bitmap_mask_color(picture);
            putpixel(copy, x, y, fence ? 255 : ground ? 0 : 1);
        }
    return copy;
}

bool grabLettering()
{
    if (letters)
        destroy_font(letters);
    letters = nullptr;
    BITMAP* copy = lettering ? oneColourCopy(lettering) : nullptr;
    if (copy) {
        letters = grab_font_from_bitmap(copy);
        destroy_bitmap(copy);
    }
    return letters && text_height(letters) == lettersHeight;
}

void letter(BITMAP* target, const std::string& text, int x, int y, int colour)
{
    textout_ex(target, letters, text.c_str(), x, y, colour, -1);
}

void letterCentred(BITMAP* target, const std::string& text, int x, int y, int colour)
{
    textout_centre_ex(target, letters, text.c_str(), x, y, colour, -1);
}

int letteredWidth(const std::string& text) { return text_length(letters, text.c_str()); }
