#pragma once
// A picture drawn at three times its size and reduced at the end, so edges come out smooth.
// A sprite canvas starts as the mask colour; when it is reduced a pixel is either the mask
// (less than half covered) or the plain average of the colours that cover it, never a blend
// with the mask, so no pink fringe shows around a sprite in the game.

#include <allegro.h>

#include <string>
#include <vector>

struct Rgb {
    int r, g, b;
};

struct Vec {
    double x, y;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }

constexpr Rgb kMask{255, 0, 255};

// Mixes two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

class Canvas {
public:
    // A sprite canvas (masked) starts as the mask colour, a backdrop as black.
    Canvas(int width, int height, bool masked);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Coordinates are in final pixels; pixel (i, j) covers [i, i+1) x [j, j+1).
    void disc(Vec centre, double radius, Rgb colour);
    void capsule(Vec a, Vec b, double radius, Rgb colour);
    // Even-odd fill of a simple or star-shaped outline.
    void polygon(const std::vector<Vec>& points, Rgb colour);
    void rect(double x0, double y0, double x1, double y1, Rgb colour);
    // Each row from y0 to y1 in a colour moving from top to bottom.
    void verticalGradient(double y0, double y1, Rgb top, Rgb bottom);
    // The library's 8 x 8 font, each font pixel a square of `scale` pixels; with an outline
    // of `border` pixels drawn first when border > 0.
    void text(const std::string& s, double x, double y, double scale, Rgb colour, double border = 0,
              Rgb borderColour = {0, 0, 0});
    // The same, its colour running from `top` on the glyphs' first row to `bottom` on their last.
    void rampText(const std::string& s, double x, double y, double scale, Rgb top, Rgb bottom,
                  double border, Rgb borderColour);
    // Width in pixels of s at that scale.
    static double textWidth(const std::string& s, double scale);

    // The reduced picture, 24 bits per pixel; the caller destroys it.
    BITMAP* resolve() const;

private:
    void span(int row, double x0, double x1, int colour);

    int width_, height_;
    bool masked_;
    BITMAP* fine_;  // the drawing at kSuper times the size, 32 bits per pixel
};

// Column i of the result is column w-1-i of the source.
BITMAP* mirrored(BITMAP* source);
