#pragma once
// The one table of the game's sounds and pictures, in load order.

#include <allegro.h>

#include <string>
#include <vector>

struct SampleAsset {
    SAMPLE** handle;
    const char* path;
};

struct PictureAsset {
    BITMAP** handle;
    const char* path;
};

constexpr int sampleAssetCount = 12;
constexpr int pictureAssetCount = 48;

extern const SampleAsset sampleAssets[sampleAssetCount];
extern const PictureAsset pictureAssets[pictureAssetCount];

// Loads the samples, creates the back buffer at the screen's size, then loads the pictures,
// relative to the working directory; a file is handed to the library only once it has passed
// its check. Returns the paths of every file that did not load, and fills reasons (when given)
// with why, in the same order.
std::vector<std::string> loadAssets(std::vector<std::string>* reasons = nullptr);
