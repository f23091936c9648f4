// contactsheet OUT.png [FRAMES_DIR]: composes a frame of the game for every state of the hero
// and of both enemy kinds, through the game's own animate(), and lays them out as one labelled
// grid, each frame a quarter of its size. Run it from the repository root (the pictures are read
// from images/):
//
//     build/contactsheet docs/contact_sheet.png
//
// With FRAMES_DIR every frame is also written there at full size, with index.txt listing what
// was drawn where in each, for a closer look.

#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "cells.h"
#include "replay/runner.h"
#include "shell/assets.h"
#include "shell/startup.h"

namespace {

constexpr int kShrink = 4;  // each frame is shown at a quarter of its width and height
constexpr int kColumns = 10;
constexpr int kGap = 6, kCaptionH = 12, kTitleH = 28, kMargin = 10;
constexpr int kCellW = screenWidth / kShrink, kCellH = screenHeight / kShrink;

struct Colour {
    int r, g, b;
};
constexpr Colour kPaper{34, 34, 42}, kTitleBar{70, 58, 96}, kText{240, 240, 240};

// The sheet is 24-bit: that is what the PNG writer saves as plain RGB.
int colourOf(Colour c) { return makecol24(c.r, c.g, c.b); }

// The library's 8 x 8 font, `scale` pixels a font pixel.
void print(BITMAP* sheet, const std::string& s, int x, int y, int scale, Colour c)
{
    BITMAP* glyphs = create_bitmap_ex(24, text_length(font, s.c_str()), text_height(font));
    clear_to_color(glyphs, bitmap_mask_color(glyphs));
    textout_ex(glyphs, font, s.c_str(), 0, 0, colourOf(c), -1);
    masked_stretch_blit(glyphs, sheet, 0, 0, glyphs->w, glyphs->h, x, y, glyphs->w * scale, glyphs->h * scale);
    destroy_bitmap(glyphs);
}

void fill(BITMAP* sheet, int x0, int y0, int w, int h, Colour c)
{
    rectfill(sheet, x0, y0, x0 + w - 1, y0 + h - 1, colourOf(c));
}

// The screen averaged over kShrink x kShrink blocks. Channels are read with getr32 and friends:
// without a display driver the 32-bit layout is not the one a window would use.
void shrinkInto(BITMAP* sheet, int x0, int y0)
{
    for (int y = 0; y < kCellH; ++y)
        for (int x = 0; x < kCellW; ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < kShrink; ++j)
                for (int i = 0; i < kShrink; ++i) {
                    const int c = _getpixel32(screen, x * kShrink + i, y * kShrink + j);
                    r += getr32(c), g += getg32(c), b += getb32(c);
                }
            const int n = kShrink * kShrink;
            putpixel(sheet, x0 + x, y0 + y, makecol24((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
}

// The screen at full size, converted to 24 bits: a 32-bit bitmap would be saved with an alpha
// channel, and the library leaves that channel zero.
bool saveFullFrame(const std::string& path)
{
    BITMAP* frame = create_bitmap_ex(24, screenWidth, screenHeight);
    blit(screen, frame, 0, 0, 0, 0, screenWidth, screenHeight);
    const bool saved = save_png(path.c_str(), frame, nullptr) == 0;
    destroy_bitmap(frame);
    return saved;
}

int rowsOf(const Group& g) { return (static_cast<int>(g.cells.size()) + kColumns - 1) / kColumns; }

std::map<const BITMAP*, std::string> pictureNames()
{
    std::map<const BITMAP*, std::string> names;
    for (const PictureAsset& a : pictureAssets)
        names[*a.handle] = a.path;
    return names;
}

const char* sideName(Side s) { return s == Side::Right ? "R" : "L"; }
const char* whoName(Subject w) { return w == Subject::Hero ? "hero" : w == Subject::Sword ? "sword" : "gun"; }

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: contactsheet OUT.png [FRAMES_DIR]   (run from the repository root)\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string framesDir = argc == 3 ? argv[2] : "";
    // No display: memory bitmaps only, and no timer (the hundredths are set by hand).
    std::string error;
    if (!startHeadless(error)) {
        std::fprintf(stderr, "contactsheet: %s\n", error.c_str());
        return 1;
    }
    std::FILE* index = nullptr;
    if (!framesDir.empty()) {
        std::filesystem::create_directories(framesDir);
        index = std::fopen((framesDir + "/index.txt").c_str(), "w");
    }

    const std::vector<Group> groups = sheetGroups();
    int height = kMargin;
    for (const Group& g : groups)
        height += kTitleH + rowsOf(g) * (kCaptionH + kCellH + kGap);
    const int width = 2 * kMargin + kColumns * kCellW + (kColumns - 1) * kGap;
    BITMAP* sheet = create_bitmap_ex(24, width, height);
    fill(sheet, 0, 0, width, height, kPaper);

    const auto names = pictureNames();
    int y = kMargin;
    int frameNo = 0;
    for (const Group& g : groups) {
        fill(sheet, kMargin, y + 2, width - 2 * kMargin, kTitleH - 8, kTitleBar);
        print(sheet, g.title, kMargin + 8, y + 6, 2, kText);
        y += kTitleH;
        for (size_t k = 0; k < g.cells.size(); ++k) {
            const Cell& cell = g.cells[k];
            const int col = static_cast<int>(k) % kColumns;
            const int top = y + static_cast<int>(k) / kColumns * (kCaptionH + kCellH + kGap);
            const int left = kMargin + col * (kCellW + kGap);
            composeCell(cell);
            print(sheet, std::string(sideName(cell.side)) + " " + caption(cell), left + 1, top + 2, 1,
                  kText);
            shrinkInto(sheet, left, top + kCaptionH);
            if (index) {
                char name[96];
                std::snprintf(name, sizeof name, "%03d_%s_%s_%s_%d", frameNo, whoName(cell.who),
                              sideName(cell.side), cell.state, cell.e);
                if (!saveFullFrame(framesDir + "/" + name + ".png")) {
                    std::fprintf(stderr, "contactsheet: cannot write %s/%s.png\n", framesDir.c_str(), name);
                    return 1;
                }
                std::fprintf(index, "%s\n", name);
                for (const DrawCall& p : drawCalls)
                    if (p.isSprite() && p.target == buffer)
                        std::fprintf(index, "    %-28s x %4d  y %4d  %4d x %3d%s\n", names.at(p.sprite).c_str(), p.x,
                                 p.y, p.w, p.h, p.mirrored() ? "  mirrored" : "");
            }
            ++frameNo;
        }
        y += rowsOf(g) * (kCaptionH + kCellH + kGap);
    }
    if (index)
        std::fclose(index);
    const bool saved = save_png(out.c_str(), sheet, nullptr) == 0;
    destroy_bitmap(sheet);
    if (!saved) {
        std::fprintf(stderr, "contactsheet: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("contactsheet: %d frames in %s (%d x %d)\n", frameNo, out.c_str(), width, height);
    return 0;
}
