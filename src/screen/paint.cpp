#include "screen/paint.h"

#include "shell/assets.h"

void paintSprite(BITMAP* sprite, int x, int y, bool mirrored)
{
    if (mirrored)
        draw_sprite_h_flip(buffer, sprite, x, y);
    else
        draw_sprite(buffer, sprite, x, y);
}

void paintStretched(BITMAP* sprite, int x, int y, int w, int h) { stretch_sprite(buffer, sprite, x, y, w, h); }
