#pragma once
// What reaches the library, recorded at the last call: every drawing call with its place and
// size (sprites as the library's own drawing table receives them, stretched sprites, blits,
// filled rectangles, clears), sounds played and text printed with its place. A drawing entry of
// the library that the recorder does not know is noted as such, so that nothing is drawn unseen.
// The recorder can also stop the drawing itself, for fast runs that still see every call.

#include <allegro.h>

#include <string>
#include <vector>

struct DrawCall {
    // "draw_sprite", "draw_sprite_h_flip", "stretch_sprite", "blit", "masked_stretch_blit",
    // "rectfill", "rect" or "clear_to_color"
    const char* call;
    BITMAP* target;
    BITMAP* sprite;     // the sprite drawn, or the bitmap blitted from; nullptr for a fill or a clear
    int x, y, w, h;     // the place and size on the target; a fill's corners are (x, y) and (x + w - 1, y + h - 1)
    int sx = 0, sy = 0; // a blit's corner in its source
    int color = 0;      // of a fill or a clear
    bool mirrored() const;
    // A sprite drawn as stored, mirrored or stretched.
    bool isSprite() const;
};

struct SoundCall {
    SAMPLE* sample;
    int volume, pan, frequency, loop;
};

struct TextCall {
    BITMAP* target;
    int x, y, color, background;
    std::string text;
    int height = 8; // of the font: 8 for the library's own
};

// Everything recorded since the last clearRecords().
extern std::vector<DrawCall> drawCalls;
extern std::vector<SoundCall> soundCalls;
extern std::vector<TextCall> textCalls;
// The library's drawing entries that were called on a recorded bitmap other than through the
// calls above, by name ("masked_blit", "draw_glyph"): what the trace would not show.
extern std::vector<std::string> unknownDrawing;
// Clears the records, and records the game's back buffer and screen from now on if they are not
// yet (the back buffer is made anew whenever the assets are loaded).
void clearRecords();

// When false, the calls are recorded but nothing is drawn (sounds are still handed on).
extern bool drawingEnabled;

// Routes a bitmap's drawing calls through the recorder.
void recordDrawsOn(BITMAP* bitmap);

// A slip in the arguments of one library call, the way a developer slips: every call named
// `call` reaches the library (and the record) with its argument number `argument` (counted from
// 0 after the bitmaps, font and format) moved by `by`. For tests of what the trace sees.
struct Slip {
    const char* call = nullptr; // nullptr: no slip
    int argument = 0;
    int by = 0;
};
extern Slip slip;

// The file stem of a loaded picture or sound ("rykeStick", "gunShot_2"), or "?".
std::string pictureName(const BITMAP* picture);
std::string soundName(const SAMPLE* sample);
