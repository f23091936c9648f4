#include "screen/lettering.h"

#include "shell/assets.h"

FONT* letters = nullptr;

bool grabLettering()
{
    if (letters)
        destroy_font(letters);
    letters = lettering ? grab_font_from_bitmap(lettering) : nullptr;
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
