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
// relative to the working directory. Returns the paths of every file that did not load.
std::vector<std::string> loadAssets();
