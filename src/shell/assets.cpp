#include "shell/assets.h"

#include "assetfiles/assetcheck.h"
#include "assetfiles/decode.h"
#include "screen/lettering.h"
#include "shell/startup.h"

#define RYKE_DEFINE_SOUND(handle, file) SAMPLE* handle;
#define RYKE_DEFINE_PICTURE(handle, file) BITMAP* handle;
RYKE_SOUNDS(RYKE_DEFINE_SOUND)
RYKE_PICTURES(RYKE_DEFINE_PICTURE)

BITMAP* buffer;

#define RYKE_ASSET_ROW(handle, file) {&handle, file},
const SampleAsset sampleAssets[sampleAssetCount] = {RYKE_SOUNDS(RYKE_ASSET_ROW)};
const PictureAsset pictureAssets[pictureAssetCount] = {RYKE_PICTURES(RYKE_ASSET_ROW)};

namespace {

// Reads the file at path once, checks those bytes and, if they pass, decodes the very same bytes
// into handle. Returns why the file did not load, or "" when it did.
template <typename Handle, typename Check>
std::string loadChecked(const char* path, Handle** handle, Check check, Handle* (*decode)(const std::string&, StopAsked),
                        const char* undecodable, StopAsked stop)
{
    *handle = nullptr;
    std::string bytes;
    std::string fault = readAssetFile(path, bytes);
    if (fault.empty())
        fault = check(bytes);
    if (fault.empty())
        *handle = decode(bytes, stop);
    return fault.empty() && !*handle ? undecodable : fault;
}

} // namespace

std::vector<RefusedAsset> loadAssets(StopAsked stop)
{
    std::vector<RefusedAsset> refused;
    const auto stopped = [stop] { return stop && stop(); };
    const auto note = [&](const char* path, std::string fault) {
        if (!fault.empty() && !stopped())
            refused.push_back({path, std::move(fault)});
    };
    for (const SampleAsset& asset : sampleAssets) {
        if (stopped())
            return refused;
        note(asset.path, loadChecked(asset.path, asset.handle, [](const std::string& b) { return soundFault(b); },
                                     decodeSound, "is a WAV sound the game cannot play", stop));
    }
    buffer = create_bitmap(screenWidth, screenHeight);
    if (!buffer)
        refused.push_back({"the back buffer", "out of memory"});
    // No picture may be larger than the frame it is drawn in.
    const PictureShape largest{screenWidth, screenHeight};
    const auto pictureNoLarger = [&largest](const std::string& b) { return pictureFault(b, largest); };
    for (const PictureAsset& asset : pictureAssets) {
        if (stopped())
            return refused;
        note(asset.path, loadChecked(asset.path, asset.handle, pictureNoLarger, decodePicture, "could not be loaded", stop));
    }
    if (lettering && !grabLettering())
        note(assetPath(&lettering), "holds no font the library can read");
    return refused;
}

const char* assetPath(const void* handle)
{
    for (const SampleAsset& asset : sampleAssets)
        if (asset.handle == handle)
            return asset.path;
    for (const PictureAsset& asset : pictureAssets)
        if (asset.handle == handle)
            return asset.path;
    return nullptr;
}

const char* loadedAssetPath(const void* loaded)
{
    for (const SampleAsset& asset : sampleAssets)
        if (loaded && *asset.handle == loaded)
            return asset.path;
    for (const PictureAsset& asset : pictureAssets)
        if (loaded && *asset.handle == loaded)
            return asset.path;
    return nullptr;
}
