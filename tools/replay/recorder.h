#pragma once
// What reaches the library, recorded at the last call: sprites drawn (as the library's own
// drawing table receives them), stretched sprites, filled rectangles, sounds played and text
// printed. The recorder can also stop the drawing itself, for fast runs that still see every call.

#include <allegro.h>

#include <string>
#include <vector>

struct DrawCall {
    const char* call; // "draw_sprite", "draw_sprite_h_flip" or "stretch_sprite"
    BITMAP* target;
    BITMAP* sprite;
    int x, y, w, h;
    bool mirrored() const;
};

// A filled rectangle, both corners included, in the target's own colour value.
struct FillCall {
    BITMAP* target;
    int x1, y1, x2, y2, color;
};

struct SoundCall {
    SAMPLE* sample;
    int volume, pan, frequency, loop;
};

struct TextCall {
    BITMAP* target;
    int x, y;
    std::string text;
};

// Everything recorded since the last clearRecords().
extern std::vector<DrawCall> drawCalls;
extern std::vector<FillCall> fillCalls;
extern std::vector<SoundCall> soundCalls;
extern std::vector<TextCall> textCalls;
void clearRecords();

// When false, the calls are recorded but nothing is drawn (sounds are still handed on).
extern bool drawingEnabled;

// Routes a bitmap's sprite, fill and clear calls through the recorder.
void recordDrawsOn(BITMAP* bitmap);

// The file stem of a loaded picture or sound ("rykeStick", "gunShot_2"), or "?".
std::string pictureName(const BITMAP* picture);
std::string soundName(const SAMPLE* sample);
