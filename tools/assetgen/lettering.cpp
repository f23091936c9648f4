#include <allegro.h>

#include <algorithm>
#include <vector>

#include "pictures.h"
#include "shell/assets.h"

// The game's lettering: every printable ASCII character, from the space to the tilde, as the
// library's bitmap-font grabber reads a picture. Each glyph sits in a cell of the mask colour
// (transparent), the cells are fenced by lines of pure yellow, and every cell of a row is as tall
// as the others. The glyphs are the library's 8 x 8 font at twice its size, trimmed to their inked
// columns with one column of space after, so that the text runs proportionally and stays 16
// pixels high.

namespace {

constexpr int kFirstChar = ' ', kLastChar = '~';
constexpr int kScale = 2;
constexpr int kGlyphRows = 8;
constexpr int kCellHeight = kGlyphRows * kScale;
constexpr int kPerRow = 16;
constexpr Rgb kFence{255, 255, 0};
constexpr Rgb kInkWhite{255, 255, 255};
// A space is as wide as this many of the small font's pixels.
constexpr int kSpaceColumns = 4;

// One character as the small font draws it: its inked columns, first to last.
struct SmallGlyph {
    int first = 0, last = -1;
    unsigned char rows[kGlyphRows] = {};
};

SmallGlyph smallGlyph(int ch)
{
    BITMAP* scratch = create_bitmap_ex(8, 8, kGlyphRows);
    clear_to_color(scratch, 0);
    const char text[2] = {static_cast<char>(ch), '\0'};
    textout_ex(scratch, font, text, 0, 0, 1, 0);
    SmallGlyph g;
    g.first = 8;
    for (int y = 0; y < kGlyphRows; ++y)
        for (int x = 0; x < 8; ++x)
            if (getpixel(scratch, x, y) == 1) {
                g.rows[y] |= static_cast<unsigned char>(1 << x);
                g.first = std::min(g.first, x);
                g.last = std::max(g.last, x);
            }
    destroy_bitmap(scratch);
    return g;
}

// A cell's width in final pixels: the inked columns and one of space, or a space's width.
int cellWidth(const SmallGlyph& g)
{
    return (g.last < g.first ? kSpaceColumns : g.last - g.first + 2) * kScale;
}

struct Layout {
    int width = 0, height = 0;
    std::vector<int> x, y; // each glyph's cell, top left
};

Layout layout()
{
    Layout l;
    int x = 1, y = 1;
    for (int ch = kFirstChar; ch <= kLastChar; ++ch) {
        if ((ch - kFirstChar) % kPerRow == 0 && ch != kFirstChar) {
            x = 1;
            y += kCellHeight + 1;
        }
        l.x.push_back(x);
        l.y.push_back(y);
        x += cellWidth(smallGlyph(ch)) + 1;
        l.width = std::max(l.width, x);
    }
    l.height = y + kCellHeight + 1;
    return l;
}

void paintLettering(Canvas& c, FitReport&)
{
    const Layout l = layout();
    c.rect(0, 0, c.width(), c.height(), kFence);
    for (int ch = kFirstChar; ch <= kLastChar; ++ch) {
        const int i = ch - kFirstChar;
        const SmallGlyph g = smallGlyph(ch);
        // The cell, back to the mask colour, then the glyph's inked pixels.
        c.rect(l.x[i], l.y[i], l.x[i] + cellWidth(g), l.y[i] + kCellHeight, kMask);
        for (int row = 0; row < kGlyphRows; ++row)
            for (int col = g.first; col <= g.last; ++col)
                if (g.rows[row] & (1 << col)) {
                    const int px = l.x[i] + (col - g.first) * kScale, py = l.y[i] + row * kScale;
                    c.rect(px, py, px + kScale, py + kScale, kInkWhite);
                }
    }
}

} // namespace

PictureRecipe letteringPicture()
{
    const Layout l = layout();
    // The space's cell is empty: its first pixel must read back as the mask colour.
    return {&lettering, l.width, l.height, true, false, paintLettering, nullptr, {{l.x[0], l.y[0]}}};
}
