#include "screen/paint.h"

#include "shell/shell.h"

std::vector<PaintRecord>* paintLog = nullptr;

void paintSprite(BITMAP* sprite, int x, int y, bool mirrored)
{
    if (paintLog)
        paintLog->push_back({sprite, x, y, sprite->w, sprite->h, mirrored});
    if (mirrored)
        draw_sprite_h_flip(buffer, sprite, x, y);
    else
        draw_sprite(buffer, sprite, x, y);
}

void paintStretched(BITMAP* sprite, int x, int y, int w, int h)
{
    if (paintLog)
        paintLog->push_back({sprite, x, y, w, h, false});
    stretch_sprite(buffer, sprite, x, y, w, h);
}
