#pragma once
// The one table of the game's sounds and pictures, in load order.

#include <allegro.h>

#include <string>
#include <vector>

#include "assetfiles/decode.h"

struct SampleAsset {
    SAMPLE** handle;
    const char* path;
};

struct PictureAsset {
    BITMAP** handle;
    const char* path;
};

// Sounds, loaded once at start-up.
extern SAMPLE *prepareToDie, *bg_beat, *evadeFX, *gruntFX, *gunCockFX, *gunShotFX, *gunShot_2FX,
    *swordClashFX, *rykeDeathFX, *carnageShotFX, *enemyDeathFX, *enemyDeath_2FX;

// The back buffer every frame is composed in.
extern BITMAP* buffer;

// Pictures, loaded once at start-up. Stored as seen on the right-hand side, except the
// handles ending in _flip or _L, which are stored already mirrored.
extern BITMAP *background, *int_carm, *int_life, *enterScreen, *w00t;
extern BITMAP *rykeStand, *rykeHi_1, *rykeHi_2, *rykeHi_3, *rykeLo_1, *rykeLo_2, *rykeLo_3,
    *rykeHiKick_1, *rykeHiKick_2, *rykeLoKick_1, *rykeLoKick_2, *rykeCS_1, *rykeCS_2, *rykeDodge,
    *rykePain, *rykeDeath;
extern BITMAP *badGuy, *badSwordHi_1, *badSwordHi_2, *badSwordHi_3, *badSwordLo_1, *badSwordLo_2,
    *badSwordLo_3, *badSwordDodge, *badGuyDeath_1, *badSwordStun_L, *badSwordStun_R, *badGuy_flip,
    *badSwordLo_1_flip;
extern BITMAP *gunHi_1, *gunHi_2, *gunHi_3, *gunLo_1, *gunLo_2, *gunLo_3, *gunDodge, *gunStun_L,
    *gunStun_R, *gunStand, *gunStand_flip, *gunMove_R, *gunMove_L, *gunDeath_1;

constexpr int sampleAssetCount = 12;
constexpr int pictureAssetCount = 48;

extern const SampleAsset sampleAssets[sampleAssetCount];
extern const PictureAsset pictureAssets[pictureAssetCount];

// The path of a sound or picture of the tables, found by its handle (&badGuy) or by what was
// loaded into it (badGuy); nullptr for anything else.
const char* assetPath(const void* handle);
const char* loadedAssetPath(const void* loaded);

// A file that did not load, and why, in a few words.
struct RefusedAsset {
    std::string path;
    std::string reason;
};

// Loads the samples, creates the back buffer at the screen's size, then loads the pictures,
// relative to the working directory; each file is read once, and the library decodes the bytes
// that passed their check. Returns every file that did not load, in load order. Loading ends
// early, with nothing more named, as soon as stop (if given) says so.
std::vector<RefusedAsset> loadAssets(StopAsked stop = nullptr);
