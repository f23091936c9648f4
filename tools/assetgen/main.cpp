// assetgen OUT: paints the game's 49 pictures and synthesises its 12 sounds into OUT/images and
// OUT/sound, at the paths of the game's asset table, then reloads every file to check it. The
// output is the same, byte for byte, on every run and every machine.
// assetgen --icon FILE [SIZE]: paints the game's desktop icon into FILE, a PNG of SIZE x SIZE
// pixels (128 by default).

#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>
#include <loadpng.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "level.h"
#include "pictures.h"
#include "shell/assets.h"
#include "sounds.h"
#include "verify.h"

namespace {

// Every handle of the table must have exactly one recipe, and every recipe a handle.
template <typename Recipe, typename Asset, size_t N>
bool coversTable(const std::vector<Recipe>& recipes, const Asset (&table)[N], const char* what)
{
    std::map<const void*, int> seen;
    for (const Recipe& r : recipes)
        ++seen[r.handle];
    bool ok = recipes.size() == N;
    for (const Asset& a : table)
        if (seen[a.handle] != 1) {
            std::fprintf(stderr, "assetgen: %s has %d recipes\n", a.path, seen[a.handle]);
            ok = false;
        }
    if (!ok)
        std::fprintf(stderr, "assetgen: the %s recipes do not match the game's table\n", what);
    return ok;
}

bool writePictures(const std::string& root, const std::vector<PictureRecipe>& recipes)
{
    bool ok = true;
    std::map<BITMAP**, BITMAP*> made;
    // Painted pictures first, so the mirrored ones find their sources.
    for (int pass = 0; pass < 2; ++pass) {
        for (const PictureRecipe& r : recipes) {
            if ((pass == 0) != (r.mirrorOf == nullptr))
                continue;
            const std::string rel = assetPath(r.handle);
            BITMAP* bmp = nullptr;
            if (r.mirrorOf) {
                bmp = mirrored(made.at(r.mirrorOf));
            } else {
                Canvas canvas(r.width, r.height, r.masked);
                FitReport report;
                r.paint(canvas, report);
                for (const std::string& problem : report.problems) {
                    std::fprintf(stderr, "assetgen: %s: %s\n", rel.c_str(), problem.c_str());
                    ok = false;
                }
                bmp = canvas.resolve();
            }
            const std::string path = root + "/" + rel;
            if (save_pcx(path.c_str(), bmp, nullptr) != 0) {
                std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
                ok = false;
            }
            made[r.handle] = bmp;
        }
    }
    for (auto& entry : made)
        destroy_bitmap(entry.second);
    return ok;
}

bool writeSounds(const std::string& root, const std::vector<SoundRecipe>& recipes, std::vector<size_t>& lengths)
{
    bool ok = true;
    std::printf("assetgen: %-22s %8s %7s %10s %6s\n", "sound", "peak dB", "volume", "heard dB", "drive");
    for (const SoundRecipe& r : recipes) {
        const level::Mastered m = level::master(r.make(), r.quietest, r.heardDb, ceilingFor(r));
        const std::vector<int16_t> pcm = toPcm(m.samples);
        lengths.push_back(pcm.size());
        const std::string rel = assetPath(r.handle);
        std::printf("assetgen: %-22s %8.1f %7d %10.1f %6.2f\n", rel.c_str(), 20 * std::log10(m.peak), r.quietest,
                    m.heardDb, m.drive);
        // Half a decibel short is a limiter at the end of its travel: the sound needs rework.
        if (m.heardDb < r.heardDb - 0.5) {
            std::fprintf(stderr, "assetgen: %s is heard at %.1f dB, not %.1f, however hard it is limited\n",
                         rel.c_str(), m.heardDb, r.heardDb);
            ok = false;
        }
        const std::string path = root + "/" + rel;
        if (!writeWav(path.c_str(), pcm)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    return ok;
}

bool writeIcon(const char* path, int size)
{
    Canvas canvas(size, size, false);
    paintIcon(canvas);
    BITMAP* bmp = canvas.resolve();
    const bool ok = save_png(path, bmp, nullptr) == 0;
    destroy_bitmap(bmp);
    if (!ok)
        std::fprintf(stderr, "assetgen: cannot write %s\n", path);
    return ok;
}

bool report(const std::vector<std::string>& problems)
{
    for (const std::string& p : problems)
        std::fprintf(stderr, "assetgen: %s\n", p.c_str());
    return problems.empty();
}

}  // namespace

std::vector<std::pair<int, int>> corners(int w, int h)
{
    return {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
}

int main(int argc, char** argv)
{
    const bool icon = (argc == 3 || argc == 4) && std::string(argv[1]) == "--icon";
    int iconSize = kIconSize;
    if (icon && argc == 4) {
        char* end = nullptr;
        const long size = std::strtol(argv[3], &end, 10);
        iconSize = *end == '\0' && size >= kIconSizeMin && size <= kIconSizeMax ? static_cast<int>(size) : 0;
    }
    if ((argc != 2 && !icon) || iconSize == 0) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_DIR  (writes OUTPUT_DIR/images and OUTPUT_DIR/sound)\n"
                             "       assetgen --icon FILE.png [SIZE]  (%d to %d pixels, %d by default)\n",
                     kIconSizeMin, kIconSizeMax, kIconSize);
        return 2;
    }
    const std::string root = argv[1];
    // No display is needed: memory bitmaps and files only. (The timer is never installed.)
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) {
        std::fprintf(stderr, "assetgen: cannot start the library: %s\n", allegro_error);
        return 1;
    }
    set_color_depth(32);
    if (icon)
        return writeIcon(argv[2], iconSize) ? 0 : 1;
    std::error_code err;
    std::filesystem::create_directories(root + "/images", err);
    std::filesystem::create_directories(root + "/sound", err);

    std::vector<PictureRecipe> pictures = sceneryPictures();
    for (PictureRecipe& r : fighterPictures())
        pictures.push_back(std::move(r));
    pictures.push_back(letteringPicture());
    const std::vector<SoundRecipe> sounds = soundRecipes();
    if (!coversTable(pictures, pictureAssets, "picture") || !coversTable(sounds, sampleAssets, "sound"))
        return 1;

    bool ok = writePictures(root, pictures);
    std::vector<size_t> lengths;
    ok = writeSounds(root, sounds, lengths) && ok;
    ok = report(verifyPictures(root, pictures)) && ok;
    ok = report(verifySounds(root, sounds, lengths)) && ok;
    std::printf("assetgen: %zu pictures and %zu sounds written under %s%s\n", pictures.size(),
                sounds.size(), root.c_str(), ok ? "" : ", WITH PROBLEMS (see above)");
    return ok ? 0 : 1;
}
