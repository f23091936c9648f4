#pragma once
// Every picture the game loads, keyed by the game's own handle, with the recipe that paints it.

#include <allegro.h>

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "figure.h"

// The line the fighters' feet stand on.
constexpr int kGroundY = 680;

struct PictureRecipe {
    BITMAP** handle;
    int width, height;
    // Drawn by the game with the mask colour transparent (else copied whole).
    bool masked;
    // The feet rest on the bottom row (checked after reloading).
    bool grounded;
    std::function<void(Canvas&, FitReport&)> paint;
    // Set instead of paint: the picture is this other one mirrored left to right.
    BITMAP** mirrorOf = nullptr;
    // Pixels that must read back as the mask colour; a sprite's four corners by default.
    std::vector<std::pair<int, int>> maskProbes = {};
};

// The four corners of a w x h picture.
std::vector<std::pair<int, int>> corners(int w, int h);

std::vector<PictureRecipe> fighterPictures();
std::vector<PictureRecipe> sceneryPictures();
// The font of the game's words, laid out for the library's bitmap-font grabber.
PictureRecipe letteringPicture();

// The game's icon for the desktop's menus, on a square canvas of any size in this range.
constexpr int kIconSize = 128, kIconSizeMin = 16, kIconSizeMax = 512;
void paintIcon(Canvas& canvas);

// Guard stances shared by the fighters' sprites and the title screen's silhouettes.
namespace poses {
extern const Pose heroGuard, swordGuard, gunGuard;
}  // namespace poses
