#include "verify.h"

#include <algorithm>
#include <cstdlib>

#include "shell/assets.h"

namespace {

bool isMask(int c) { return getr(c) == 255 && getg(c) == 0 && getb(c) == 255; }

// Tinted toward the mask (red and blue both well above green) without being it: an edge pixel
// blended with the mask, which shows as a pink or purple fringe. No sprite colour is like that.
bool isFringe(int c) { return !isMask(c) && std::min(getr(c), getb(c)) - getg(c) > 60; }

void checkSprite(BITMAP* b, const PictureRecipe& r, const std::string& rel, std::vector<std::string>& out)
{
    for (const auto& probe : r.maskProbes)
        if (!isMask(getpixel(b, probe.first, probe.second)))
            out.push_back(rel + ": pixel " + std::to_string(probe.first) + "," +
                          std::to_string(probe.second) + " is not the mask colour");
    long opaque = 0, fringe = 0;
    int lowestOpaqueRow = -1;
    for (int y = 0; y < b->h; ++y)
        for (int x = 0; x < b->w; ++x) {
            const int c = getpixel(b, x, y);
            if (isMask(c))
                continue;
            ++opaque;
            fringe += isFringe(c);
            lowestOpaqueRow = y;
        }
    if (fringe > 0)
        out.push_back(rel + ": " + std::to_string(fringe) + " pink fringe pixels");
    if (opaque * 100 < static_cast<long>(b->w) * b->h)
        out.push_back(rel + ": almost nothing is drawn");
    if (r.grounded && lowestOpaqueRow != b->h - 1)
        out.push_back(rel + ": the figure does not stand on the bottom row (lowest row " +
                      std::to_string(lowestOpaqueRow) + ")");
}

}  // namespace

std::vector<std::string> verifyPictures(const std::string& root, const std::vector<PictureRecipe>& recipes)
{
    std::vector<std::string> out;
    for (const PictureRecipe& r : recipes) {
        const std::string rel = assetPath(r.handle);
        BITMAP* b = load_bitmap((root + "/" + rel).c_str(), nullptr);
        if (!b) {
            out.push_back(rel + ": does not load");
            continue;
        }
        if (b->w != r.width || b->h != r.height)
            out.push_back(rel + ": loads as " + std::to_string(b->w) + " x " + std::to_string(b->h));
        else if (bitmap_color_depth(b) != 32)
            out.push_back(rel + ": does not load in 32-bit colour");
        else if (r.masked)
            checkSprite(b, r, rel, out);
        destroy_bitmap(b);
    }
    return out;
}

std::vector<std::string> verifySounds(const std::string& root, const std::vector<SoundRecipe>& recipes,
                                      const std::vector<size_t>& lengths)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < recipes.size(); ++i) {
        const std::string rel = assetPath(recipes[i].handle);
        SAMPLE* s = load_sample((root + "/" + rel).c_str());
        if (!s) {
            out.push_back(rel + ": does not load");
            continue;
        }
        if (s->bits != 16 || s->stereo || s->freq != kSampleRate || s->len != lengths[i]) {
            out.push_back(rel + ": loads with the wrong format or length");
            destroy_sample(s);
            continue;
        }
        // The library keeps 16-bit samples unsigned, silence at 0x8000.
        const unsigned short* data = static_cast<const unsigned short*>(s->data);
        auto at = [&](size_t k) { return static_cast<int>(data[k]) - 0x8000; };
        int peak = 0;
        for (size_t k = 0; k < s->len; ++k)
            peak = std::max(peak, std::abs(at(k)));
        if (peak >= 31000)
            out.push_back(rel + ": too loud, peak " + std::to_string(peak));
        if (peak < 3000)
            out.push_back(rel + ": nearly silent, peak " + std::to_string(peak));
        if (recipes[i].loops) {
            // Played end to start, the step across the join must be like the steps just before it.
            double recent = 0;
            for (size_t k = s->len - 256; k < s->len; ++k)
                recent += std::abs(at(k) - at(k - 1));
            if (std::abs(at(0) - at(s->len - 1)) > 3 * recent / 256 + 16)
                out.push_back(rel + ": clicks where the loop joins");
        } else if (std::abs(at(0)) > 64 || std::abs(at(s->len - 1)) > 64) {
            out.push_back(rel + ": does not fade in and out");
        }
        destroy_sample(s);
    }
    return out;
}
