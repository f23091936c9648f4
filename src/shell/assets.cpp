#include "shell/assets.h"

#include "assetfiles/assetcheck.h"
#include "assetfiles/decode.h"

SAMPLE *prepareToDie, *bg_beat, *evadeFX, *gruntFX, *gunCockFX, *gunShotFX, *gunShot_2FX,
    *swordClashFX, *rykeDeathFX, *carnageShotFX, *enemyDeathFX, *enemyDeath_2FX;

BITMAP* buffer;

BITMAP *background, *int_carm, *int_life, *enterScreen, *w00t;
BITMAP *rykeStand, *rykeHi_1, *rykeHi_2, *rykeHi_3, *rykeLo_1, *rykeLo_2, *rykeLo_3,
    *rykeHiKick_1, *rykeHiKick_2, *rykeLoKick_1, *rykeLoKick_2, *rykeCS_1, *rykeCS_2, *rykeDodge,
    *rykePain, *rykeDeath;
BITMAP *badGuy, *badSwordHi_1, *badSwordHi_2, *badSwordHi_3, *badSwordLo_1, *badSwordLo_2,
    *badSwordLo_3, *badSwordDodge, *badGuyDeath_1, *badSwordStun_L, *badSwordStun_R, *badGuy_flip,
    *badSwordLo_1_flip;
BITMAP *gunHi_1, *gunHi_2, *gunHi_3, *gunLo_1, *gunLo_2, *gunLo_3, *gunDodge, *gunStun_L,
    *gunStun_R, *gunStand, *gunStand_flip, *gunMove_R, *gunMove_L, *gunDeath_1;

// Two sounds (rykeDeath, enemyDeath_2) are loaded but never played; they stay in the set.
const SampleAsset sampleAssets[sampleAssetCount] = {
    {&prepareToDie, "sound/prepareToDie.wav"},
    {&bg_beat, "sound/bg_beat.wav"},
    {&evadeFX, "sound/evade.wav"},
    {&gruntFX, "sound/grunt.wav"},
    {&gunCockFX, "sound/gunCock.wav"},
    {&gunShotFX, "sound/gunShot.wav"},
    {&gunShot_2FX, "sound/gunShot_2.wav"},
    {&swordClashFX, "sound/swordClash.wav"},
    {&rykeDeathFX, "sound/rykeDeath.wav"},
    {&carnageShotFX, "sound/carnageShot.wav"},
    {&enemyDeathFX, "sound/enemyDeath.wav"},
    {&enemyDeath_2FX, "sound/enemyDeath_2.wav"},
};

const PictureAsset pictureAssets[pictureAssetCount] = {
    {&background, "images/background_1.pcx"},
    {&int_carm, "images/int_carm.pcx"},
    {&int_life, "images/int_life.pcx"},
    {&enterScreen, "images/enterScreen.pcx"},
    {&w00t, "images/w00t.pcx"},
    {&rykeStand, "images/rykeStick.pcx"},
    {&rykeHi_1, "images/rykeHi_1.pcx"},
    {&rykeHi_2, "images/rykeHi_2.pcx"},
    {&rykeHi_3, "images/rykeHi_3.pcx"},
    {&rykeLo_1, "images/rykeLo_1.pcx"},
    {&rykeLo_2, "images/rykeLo_2.pcx"},
    {&rykeLo_3, "images/rykeLo_3.pcx"},
    {&rykeHiKick_1, "images/rykeHiKick_1.pcx"},
    {&rykeHiKick_2, "images/rykeHiKick_2.pcx"},
    {&rykeLoKick_1, "images/rykeLoKick_1.pcx"},
    {&rykeLoKick_2, "images/rykeLoKick_2.pcx"},
    {&rykeCS_1, "images/rykeCS_1.pcx"},
    {&rykeCS_2, "images/rykeCS_2.pcx"},
    {&rykeDodge, "images/rykeDodge.pcx"},
    {&rykePain, "images/rykePain.pcx"},
    {&rykeDeath, "images/ryke_die.pcx"},
    {&badGuy, "images/badStick.pcx"},
    {&badSwordHi_1, "images/badSwordHi_1.pcx"},
    {&badSwordHi_2, "images/badSwordHi_2.pcx"},
    {&badSwordHi_3, "images/badSwordHi_3.pcx"},
    {&badSwordLo_1, "images/badSwordLo_1.pcx"},
    {&badSwordLo_2, "images/badSwordLo_2.pcx"},
    {&badSwordLo_3, "images/badSwordLo_3.pcx"},
    {&badSwordDodge, "images/badSwordDodge.pcx"},
    {&badGuyDeath_1, "images/bad_die.pcx"},
    {&badSwordStun_L, "images/badSwordStun_L.pcx"},
    {&badSwordStun_R, "images/badSwordStun_R.pcx"},
    {&badGuy_flip, "images/badStick_flip.pcx"},
    {&badSwordLo_1_flip, "images/badSwordLo_1_flip.pcx"},
    {&gunHi_1, "images/gunHi_1.pcx"},
    {&gunHi_2, "images/gunHi_2.pcx"},
    {&gunHi_3, "images/gunHi_3.pcx"},
    {&gunLo_1, "images/gunLo_1.pcx"},
    {&gunLo_2, "images/gunLo_2.pcx"},
    {&gunLo_3, "images/gunLo_3.pcx"},
    {&gunDodge, "images/gunDodge.pcx"},
    {&gunStun_L, "images/gunStun_L.pcx"},
    {&gunStun_R, "images/gunStun_R.pcx"},
    {&gunStand, "images/gunStand.pcx"},
    {&gunStand_flip, "images/gunStand_flip.pcx"},
    {&gunMove_R, "images/gunMove_R.pcx"},
    {&gunMove_L, "images/gunMove_L.pcx"},
    {&gunDeath_1, "images/gunDie.pcx"},
};

namespace {

// Reads the file at path once, checks those bytes and, if they pass, decodes the very same bytes
// into handle. Returns why the file did not load, or "" when it did.
template <typename Shape, typename Handle>
std::string loadChecked(const char* path, Handle** handle, std::string (*check)(const std::string&, Shape*),
                        Handle* (*decode)(const std::string&, StopAsked), const char* undecodable,
                        StopAsked stop)
{
    *handle = nullptr;
    std::string bytes;
    std::string fault = readAssetFile(path, bytes);
    if (fault.empty())
        fault = check(bytes, nullptr);
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
        note(asset.path, loadChecked(asset.path, asset.handle, soundFault, decodeSound,
                                     "is a WAV sound the game cannot play", stop));
    }
    buffer = create_bitmap(screen->w, screen->h);
    if (!buffer)
        refused.push_back({"the back buffer", "out of memory"});
    for (const PictureAsset& asset : pictureAssets) {
        if (stopped())
            return refused;
        note(asset.path, loadChecked(asset.path, asset.handle, pictureFault, decodePicture, "could not be loaded", stop));
    }
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
