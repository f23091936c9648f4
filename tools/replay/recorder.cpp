#include "replay/recorder.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "shell/assets.h"

std::vector<DrawCall> drawCalls;
std::vector<SoundCall> soundCalls;
std::vector<TextCall> textCalls;
std::vector<std::string> unknownDrawing;
bool drawingEnabled = true;
Slip slip;

bool DrawCall::mirrored() const { return std::strcmp(call, "draw_sprite_h_flip") == 0; }

bool DrawCall::isSprite() const
{
    return mirrored() || std::strcmp(call, "draw_sprite") == 0 || std::strcmp(call, "stretch_sprite") == 0;
}

void clearRecords()
{
    drawCalls.clear();
    soundCalls.clear();
    textCalls.clear();
    unknownDrawing.clear();
    if (buffer)
        recordDrawsOn(buffer);
    if (screen)
        recordDrawsOn(screen);
}

namespace {

// Inside a recorded call the library draws through the same table on its own behalf (a blit,
// a stretched sprite, the glyphs and background of a text): that is part of the call recorded.
int depth = 0;
struct Recording {
    Recording() { ++depth; }
    ~Recording() { --depth; }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
};

void unknownEntry(const char* name)
{
    if (depth == 0)
        unknownDrawing.push_back(name);
}

void applySlip(const char* call, std::initializer_list<int*> arguments)
{
    if (!slip.call || std::strcmp(slip.call, call) != 0 || slip.argument >= static_cast<int>(arguments.size()))
        return;
    *arguments.begin()[slip.argument] += slip.by;
}

} // namespace

// The linker sends the game's calls of these library functions here (-Wl,--wrap=NAME);
// __real_NAME is the library's own.
extern "C" {
int __real_play_sample(const SAMPLE* spl, int vol, int pan, int freq, int loop);
void __real_stretch_sprite(BITMAP* bmp, BITMAP* sprite, int x, int y, int w, int h);
void __real_blit(BITMAP* source, BITMAP* dest, int sx, int sy, int dx, int dy, int w, int h);
void __real_textprintf_ex(BITMAP* bmp, const FONT* f, int x, int y, int color, int bg, const char* format, ...);
void __real_stretch_blit(BITMAP* s, BITMAP* d, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);
void __real_masked_stretch_blit(BITMAP* s, BITMAP* d, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);
void __real_textout_ex(BITMAP* bmp, const FONT* f, const char* text, int x, int y, int color, int bg);
void __real_textout_centre_ex(BITMAP* bmp, const FONT* f, const char* text, int x, int y, int color, int bg);

int __wrap_play_sample(const SAMPLE* spl, int vol, int pan, int freq, int loop)
{
    applySlip("play_sample", {&vol, &pan, &freq, &loop});
    soundCalls.push_back({const_cast<SAMPLE*>(spl), vol, pan, freq, loop});
    return __real_play_sample(spl, vol, pan, freq, loop);
}

void __wrap_stretch_sprite(BITMAP* bmp, BITMAP* sprite, int x, int y, int w, int h)
{
    const Recording recording;
    applySlip("stretch_sprite", {&x, &y, &w, &h});
    drawCalls.push_back({"stretch_sprite", bmp, sprite, x, y, w, h});
    if (drawingEnabled)
        __real_stretch_sprite(bmp, sprite, x, y, w, h);
}

void __wrap_blit(BITMAP* source, BITMAP* dest, int sx, int sy, int dx, int dy, int w, int h)
{
    const Recording recording;
    applySlip("blit", {&sx, &sy, &dx, &dy, &w, &h});
    drawCalls.push_back({"blit", dest, source, dx, dy, w, h, sx, sy});
    if (drawingEnabled)
        __real_blit(source, dest, sx, sy, dx, dy, w, h);
}

void __wrap_textprintf_ex(BITMAP* bmp, const FONT* f, int x, int y, int color, int bg, const char* format, ...)
{
    const Recording recording;
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    applySlip("textprintf_ex", {&x, &y, &color, &bg});
    textCalls.push_back({bmp, x, y, color, bg, text, text_height(f)});
    if (drawingEnabled)
        __real_textprintf_ex(bmp, f, x, y, color, bg, "%s", text);
}

// Text printed as it is, and centred on x: recorded where it begins.
void __wrap_textout_ex(BITMAP* bmp, const FONT* f, const char* text, int x, int y, int color, int bg)
{
    const Recording recording;
    applySlip("textout_ex", {&x, &y, &color, &bg});
    textCalls.push_back({bmp, x, y, color, bg, text, text_height(f)});
    if (drawingEnabled)
        __real_textout_ex(bmp, f, text, x, y, color, bg);
}

void __wrap_textout_centre_ex(BITMAP* bmp, const FONT* f, const char* text, int x, int y, int color, int bg)
{
    const Recording recording;
    applySlip("textout_centre_ex", {&x, &y, &color, &bg});
    textCalls.push_back({bmp, x - text_length(f, text) / 2, y, color, bg, text, text_height(f)});
    if (drawingEnabled)
        __real_textout_centre_ex(bmp, f, text, x, y, color, bg);
}

// A drawing routine that writes the pixels itself, past the drawing table: the game does not use
// it, and a call is noted like any other drawing entry the recorder does not know.
void __wrap_stretch_blit(BITMAP* s, BITMAP* d, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh)
{
    unknownEntry("stretch_blit");
    const Recording recording;
    if (drawingEnabled)
        __real_stretch_blit(s, d, sx, sy, sw, sh, dx, dy, dw, dh);
}

// The signs' enlarged text: the place and size it is drawn at, and the corner it is taken from.
void __wrap_masked_stretch_blit(BITMAP* s, BITMAP* d, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh)
{
    if (depth == 0) {
        applySlip("masked_stretch_blit", {&dx, &dy, &dw, &dh});
        drawCalls.push_back({"masked_stretch_blit", d, s, dx, dy, dw, dh, sx, sy});
    }
    const Recording recording;
    if (drawingEnabled)
        __real_masked_stretch_blit(s, d, sx, sy, sw, sh, dx, dy, dw, dh);
}
}

namespace {

// The inline sprite, fill and clear routines, and every other drawing routine of the library,
// call through the target bitmap's drawing table, so a recorded bitmap gets a copy of its table
// with the recorder's entries in front of the library's. All recorded bitmaps are memory bitmaps
// of the screen's depth, which share one table.
GFX_VTABLE hookedTable;
const GFX_VTABLE* library = nullptr;

void drawSprite(BITMAP* bmp, BITMAP* sprite, int x, int y)
{
    if (depth == 0) {
        applySlip("draw_sprite", {&x, &y});
        drawCalls.push_back({"draw_sprite", bmp, sprite, x, y, sprite->w, sprite->h});
    }
    const Recording recording;
    if (drawingEnabled)
        library->draw_sprite(bmp, sprite, x, y);
}

void drawSpriteHFlip(BITMAP* bmp, BITMAP* sprite, int x, int y)
{
    if (depth == 0) {
        applySlip("draw_sprite_h_flip", {&x, &y});
        drawCalls.push_back({"draw_sprite_h_flip", bmp, sprite, x, y, sprite->w, sprite->h});
    }
    const Recording recording;
    if (drawingEnabled)
        library->draw_sprite_h_flip(bmp, sprite, x, y);
}

// Notes a filled or outlined rectangle, given by its corners, as the call of that name.
void noteRectangle(const char* call, BITMAP* bmp, int& x1, int& y1, int& x2, int& y2, int& color)
{
    if (depth != 0)
        return;
    applySlip(call, {&x1, &y1, &x2, &y2, &color});
    drawCalls.push_back({call, bmp, nullptr, x1, y1, x2 - x1 + 1, y2 - y1 + 1, 0, 0, color});
}

void rectFill(BITMAP* bmp, int x1, int y1, int x2, int y2, int color)
{
    noteRectangle("rectfill", bmp, x1, y1, x2, y2, color);
    const Recording recording;
    if (drawingEnabled)
        library->rectfill(bmp, x1, y1, x2, y2, color);
}

void rectOutline(BITMAP* bmp, int x1, int y1, int x2, int y2, int color)
{
    noteRectangle("rect", bmp, x1, y1, x2, y2, color);
    const Recording recording;
    if (drawingEnabled)
        library->rect(bmp, x1, y1, x2, y2, color);
}

void clearToColor(BITMAP* bmp, int color)
{
    if (depth == 0) {
        applySlip("clear_to_color", {&color});
        drawCalls.push_back({"clear_to_color", bmp, nullptr, 0, 0, bmp->w, bmp->h, 0, 0, color});
    }
    const Recording recording;
    if (drawingEnabled)
        library->clear_to_color(bmp, color);
}

// Every other drawing entry: noted when the game reaches it directly, then handed on. (A generic
// lambda without captures becomes a function of whatever signature the entry has.)
#define RECORDER_UNKNOWN(entry)                                                                                   \
    if (hookedTable.entry)                                                                                        \
        hookedTable.entry = [](auto... arguments) {                                                               \
            unknownEntry(#entry);                                                                                 \
            const Recording recording;                                                                            \
            if (drawingEnabled)                                                                                   \
                library->entry(arguments...);                                                                     \
        };

void hookTable()
{
    hookedTable = *library;
    hookedTable.draw_sprite = drawSprite;
    hookedTable.draw_sprite_h_flip = drawSpriteHFlip;
    hookedTable.rectfill = rectFill;
    hookedTable.clear_to_color = clearToColor;
    hookedTable.rect = rectOutline;
    RECORDER_UNKNOWN(putpixel)
    RECORDER_UNKNOWN(vline)
    RECORDER_UNKNOWN(hline)
    RECORDER_UNKNOWN(hfill)
    RECORDER_UNKNOWN(line)
    RECORDER_UNKNOWN(fastline)
    RECORDER_UNKNOWN(triangle)
    RECORDER_UNKNOWN(draw_256_sprite)
    RECORDER_UNKNOWN(draw_sprite_v_flip)
    RECORDER_UNKNOWN(draw_sprite_vh_flip)
    RECORDER_UNKNOWN(draw_trans_sprite)
    RECORDER_UNKNOWN(draw_trans_rgba_sprite)
    RECORDER_UNKNOWN(draw_lit_sprite)
    RECORDER_UNKNOWN(draw_rle_sprite)
    RECORDER_UNKNOWN(draw_trans_rle_sprite)
    RECORDER_UNKNOWN(draw_trans_rgba_rle_sprite)
    RECORDER_UNKNOWN(draw_lit_rle_sprite)
    RECORDER_UNKNOWN(draw_character)
    RECORDER_UNKNOWN(draw_glyph)
    RECORDER_UNKNOWN(blit_from_memory)
    RECORDER_UNKNOWN(blit_to_memory)
    RECORDER_UNKNOWN(blit_from_system)
    RECORDER_UNKNOWN(blit_to_system)
    RECORDER_UNKNOWN(blit_to_self)
    RECORDER_UNKNOWN(blit_to_self_forward)
    RECORDER_UNKNOWN(blit_to_self_backward)
    RECORDER_UNKNOWN(blit_between_formats)
    RECORDER_UNKNOWN(masked_blit)
    RECORDER_UNKNOWN(pivot_scaled_sprite_flip)
    RECORDER_UNKNOWN(do_stretch_blit)
    RECORDER_UNKNOWN(draw_gouraud_sprite)
    RECORDER_UNKNOWN(polygon)
    RECORDER_UNKNOWN(circle)
    RECORDER_UNKNOWN(circlefill)
    RECORDER_UNKNOWN(ellipse)
    RECORDER_UNKNOWN(ellipsefill)
    RECORDER_UNKNOWN(arc)
    RECORDER_UNKNOWN(spline)
    RECORDER_UNKNOWN(floodfill)
    RECORDER_UNKNOWN(polygon3d)
    RECORDER_UNKNOWN(polygon3d_f)
    RECORDER_UNKNOWN(triangle3d)
    RECORDER_UNKNOWN(triangle3d_f)
    RECORDER_UNKNOWN(quad3d)
    RECORDER_UNKNOWN(quad3d_f)
    RECORDER_UNKNOWN(draw_sprite_ex)
}
#undef RECORDER_UNKNOWN

std::string stem(const char* path)
{
    const std::string p = path;
    const std::size_t slash = p.rfind('/') + 1;
    return p.substr(slash, p.rfind('.') - slash);
}

} // namespace

void recordDrawsOn(BITMAP* bitmap)
{
    if (bitmap->vtable == &hookedTable)
        return;
    if (!library) {
        library = bitmap->vtable;
        hookTable();
    }
    if (bitmap->vtable != library) {
        std::fprintf(stderr, "recorder: a bitmap of another kind (%d-bit) cannot be recorded\n",
                     bitmap->vtable->color_depth);
        std::abort();
    }
    bitmap->vtable = &hookedTable;
}

std::string pictureName(const BITMAP* picture)
{
    const char* path = loadedAssetPath(picture);
    return path ? stem(path) : "?";
}

std::string soundName(const SAMPLE* sample)
{
    const char* path = loadedAssetPath(sample);
    return path ? stem(path) : "?";
}
