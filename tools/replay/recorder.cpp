#include "replay/recorder.h"

#include <cstdarg>
#include <cstdio>
#include <map>

#include "shell/assets.h"

std::vector<DrawCall> drawCalls;
std::vector<FillCall> fillCalls;
std::vector<SoundCall> soundCalls;
std::vector<TextCall> textCalls;
bool drawingEnabled = true;

bool DrawCall::mirrored() const { return std::string(call) == "draw_sprite_h_flip"; }

void clearRecords()
{
    drawCalls.clear();
    fillCalls.clear();
    soundCalls.clear();
    textCalls.clear();
}

// The linker sends the game's calls of these library functions here (-Wl,--wrap=NAME);
// __real_NAME is the library's own.
extern "C" {
int __real_play_sample(const SAMPLE* spl, int vol, int pan, int freq, int loop);
void __real_stretch_sprite(BITMAP* bmp, BITMAP* sprite, int x, int y, int w, int h);
void __real_blit(BITMAP* source, BITMAP* dest, int sx, int sy, int dx, int dy, int w, int h);
void __real_textprintf_ex(BITMAP* bmp, const FONT* f, int x, int y, int color, int bg, const char* format, ...);

int __wrap_play_sample(const SAMPLE* spl, int vol, int pan, int freq, int loop)
{
    soundCalls.push_back({const_cast<SAMPLE*>(spl), vol, pan, freq, loop});
    return __real_play_sample(spl, vol, pan, freq, loop);
}

void __wrap_stretch_sprite(BITMAP* bmp, BITMAP* sprite, int x, int y, int w, int h)
{
    drawCalls.push_back({"stretch_sprite", bmp, sprite, x, y, w, h});
    if (drawingEnabled)
        __real_stretch_sprite(bmp, sprite, x, y, w, h);
}

void __wrap_blit(BITMAP* source, BITMAP* dest, int sx, int sy, int dx, int dy, int w, int h)
{
    if (drawingEnabled)
        __real_blit(source, dest, sx, sy, dx, dy, w, h);
}

void __wrap_textprintf_ex(BITMAP* bmp, const FONT* f, int x, int y, int color, int bg, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    textCalls.push_back({bmp, x, y, text});
    if (drawingEnabled)
        __real_textprintf_ex(bmp, f, x, y, color, bg, "%s", text);
}
}

namespace {

// The inline sprite, fill and clear routines call through the target bitmap's drawing table,
// so a recorded bitmap gets a copy of its table with these entries in front of the library's.
struct HookedTable {
    GFX_VTABLE table;
    const GFX_VTABLE* library;
};
std::map<const BITMAP*, HookedTable> hooked;

const GFX_VTABLE& libraryTable(const BITMAP* bmp) { return *hooked.at(bmp).library; }

void drawSprite(BITMAP* bmp, BITMAP* sprite, int x, int y)
{
    drawCalls.push_back({"draw_sprite", bmp, sprite, x, y, sprite->w, sprite->h});
    if (drawingEnabled)
        libraryTable(bmp).draw_sprite(bmp, sprite, x, y);
}

void drawSpriteHFlip(BITMAP* bmp, BITMAP* sprite, int x, int y)
{
    drawCalls.push_back({"draw_sprite_h_flip", bmp, sprite, x, y, sprite->w, sprite->h});
    if (drawingEnabled)
        libraryTable(bmp).draw_sprite_h_flip(bmp, sprite, x, y);
}

void rectFill(BITMAP* bmp, int x1, int y1, int x2, int y2, int color)
{
    fillCalls.push_back({bmp, x1, y1, x2, y2, color});
    if (drawingEnabled)
        libraryTable(bmp).rectfill(bmp, x1, y1, x2, y2, color);
}

void clearToColor(BITMAP* bmp, int color)
{
    if (drawingEnabled)
        libraryTable(bmp).clear_to_color(bmp, color);
}

std::string stem(const char* path)
{
    const std::string p = path;
    const std::size_t slash = p.rfind('/') + 1;
    return p.substr(slash, p.rfind('.') - slash);
}

} // namespace

void recordDrawsOn(BITMAP* bitmap)
{
    if (hooked.count(bitmap))
        return;
    HookedTable& h = hooked[bitmap];
    h.library = bitmap->vtable;
    h.table = *bitmap->vtable;
    h.table.draw_sprite = drawSprite;
    h.table.draw_sprite_h_flip = drawSpriteHFlip;
    h.table.rectfill = rectFill;
    h.table.clear_to_color = clearToColor;
    bitmap->vtable = &h.table;
}

std::string pictureName(const BITMAP* picture)
{
    for (const PictureAsset& asset : pictureAssets)
        if (*asset.handle == picture)
            return stem(asset.path);
    return "?";
}

std::string soundName(const SAMPLE* sample)
{
    for (const SampleAsset& asset : sampleAssets)
        if (*asset.handle == sample)
            return stem(asset.path);
    return "?";
}
