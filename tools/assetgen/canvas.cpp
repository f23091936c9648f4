#include "canvas.h"

#include <algorithm>

#include "detmath.h"

namespace {

// Each final pixel is drawn as kSuper x kSuper sub-pixels.
constexpr int kSuper = 3;

int packFine(Rgb c) { return makecol32(c.r, c.g, c.b); }

}  // namespace

Rgb mix(Rgb a, Rgb b, double t)
{
    t = det::clamp(t, 0.0, 1.0);
    return {det::roundToInt(a.r + (b.r - a.r) * t), det::roundToInt(a.g + (b.g - a.g) * t),
            det::roundToInt(a.b + (b.b - a.b) * t)};
}

Canvas::Canvas(int width, int height, bool masked)
    : width_(width), height_(height), masked_(masked),
      fine_(create_bitmap_ex(32, width * kSuper, height * kSuper))
{
    clear_to_color(fine_, packFine(masked ? kMask : Rgb{0, 0, 0}));
}

Canvas::~Canvas() { destroy_bitmap(fine_); }

// Fills the sub-pixels of one fine row whose centres lie in [x0, x1] (final units).
void Canvas::span(int row, double x0, double x1, int colour)
{
    if (row < 0 || row >= fine_->h)
        return;
    const int first = std::max(0, static_cast<int>(det::floor(x0 * kSuper - 0.5)) + 1);
    const int last = std::min(fine_->w - 1, static_cast<int>(det::floor(x1 * kSuper - 0.5)));
    if (first <= last)
        hline(fine_, first, row, last, colour);
}

void Canvas::disc(Vec c, double r, Rgb colour)
{
    const int pack = packFine(colour);
    const int top = std::max(0, static_cast<int>(det::floor((c.y - r) * kSuper)));
    const int bottom = std::min(fine_->h - 1, static_cast<int>(det::floor((c.y + r) * kSuper)));
    for (int row = top; row <= bottom; ++row) {
        const double dy = (row + 0.5) / kSuper - c.y;
        const double h2 = r * r - dy * dy;
        if (h2 < 0)
            continue;
        const double half = det::sqrt(h2);
        span(row, c.x - half, c.x + half, pack);
    }
}

void Canvas::capsule(Vec a, Vec b, double r, Rgb colour)
{
    const Vec d = b - a;
    const double len = det::sqrt(d.x * d.x + d.y * d.y);
    if (len > 1e-9) {
        const Vec n{-d.y / len * r, d.x / len * r};
        polygon({a + n, b + n, b - n, a - n}, colour);
    }
    disc(a, r, colour);
    disc(b, r, colour);
}

void Canvas::polygon(const std::vector<Vec>& pts, Rgb colour)
{
    if (pts.size() < 3)
        return;
    const int pack = packFine(colour);
    double minY = pts[0].y, maxY = pts[0].y;
    for (const Vec& p : pts) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int top = std::max(0, static_cast<int>(det::floor(minY * kSuper)));
    const int bottom = std::min(fine_->h - 1, static_cast<int>(det::floor(maxY * kSuper)));
    std::vector<double> xs;
    for (int row = top; row <= bottom; ++row) {
        const double y = (row + 0.5) / kSuper;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const Vec p = pts[i];
            const Vec q = pts[(i + 1) % pts.size()];
            if ((p.y <= y) != (q.y <= y))
                xs.push_back(p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            span(row, xs[i], xs[i + 1], pack);
    }
}

void Canvas::rect(double x0, double y0, double x1, double y1, Rgb colour)
{
    polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, colour);
}

void Canvas::verticalGradient(double y0, double y1, Rgb top, Rgb bottom)
{
    const int first = std::max(0, static_cast<int>(det::floor(y0 * kSuper)));
    const int last = std::min(fine_->h - 1, static_cast<int>(det::floor(y1 * kSuper)) - 1);
    for (int row = first; row <= last; ++row) {
        const double t = ((row + 0.5) / kSuper - y0) / (y1 - y0);
        hline(fine_, 0, row, fine_->w - 1, packFine(mix(top, bottom, t)));
    }
}

double Canvas::textWidth(const std::string& s, double scale)
{
    return text_length(font, s.c_str()) * scale;
}

void Canvas::text(const std::string& s, double x, double y, double scale, Rgb colour,
                  double border, Rgb borderColour)
{
    rampText(s, x, y, scale, colour, colour, border, borderColour);
}

void Canvas::rampText(const std::string& s, double x, double y, double scale, Rgb top, Rgb bottom,
                      double border, Rgb borderColour)
{
    // The glyphs are read back from an 8-bit scratch bitmap: index 1 where the font sets a pixel.
    const int w = text_length(font, s.c_str());
    const int h = text_height(font);
    BITMAP* glyphs = create_bitmap_ex(8, w, h);
    clear_to_color(glyphs, 0);
    textout_ex(glyphs, font, s.c_str(), 0, 0, 1, 0);
    for (int pass = border > 0 ? 0 : 1; pass < 2; ++pass) {
        const double grow = pass == 0 ? border : 0;
        for (int j = 0; j < h; ++j) {
            const Rgb c = pass == 0 ? borderColour : mix(top, bottom, h > 1 ? j / (h - 1.0) : 0.0);
            for (int i = 0; i < w; ++i)
                if (getpixel(glyphs, i, j) == 1)
                    rect(x + i * scale - grow, y + j * scale - grow, x + (i + 1) * scale + grow,
                         y + (j + 1) * scale + grow, c);
        }
    }
    destroy_bitmap(glyphs);
}

BITMAP* Canvas::resolve() const
{
    BITMAP* out = create_bitmap_ex(24, width_, height_);
    const int maskFine = packFine(kMask);
    const int samples = kSuper * kSuper;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int covered = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < kSuper; ++j) {
                for (int i = 0; i < kSuper; ++i) {
                    const int c = _getpixel32(fine_, x * kSuper + i, y * kSuper + j);
                    if (masked_ && c == maskFine)
                        continue;
                    ++covered;
                    r += getr32(c);
                    g += getg32(c);
                    b += getb32(c);
                }
            }
            if (masked_ && covered * 2 <= samples) {
                putpixel(out, x, y, makecol24(kMask.r, kMask.g, kMask.b));
                continue;
            }
            Rgb avg{(r + covered / 2) / covered, (g + covered / 2) / covered,
                    (b + covered / 2) / covered};
            // A drawn pixel must never read back as the mask colour.
            if (avg.r == kMask.r && avg.g == kMask.g && avg.b == kMask.b)
                avg.g = 1;
            putpixel(out, x, y, makecol24(avg.r, avg.g, avg.b));
        }
    }
    return out;
}

BITMAP* mirrored(BITMAP* source)
{
    BITMAP* out = create_bitmap_ex(bitmap_color_depth(source), source->w, source->h);
    for (int y = 0; y < source->h; ++y)
        for (int x = 0; x < source->w; ++x)
            putpixel(out, source->w - 1 - x, y, getpixel(source, x, y));
    return out;
}
