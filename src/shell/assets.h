#pragma once
// The one table of the game's sounds and pictures, in load order. Each handle and its file are
// written here once: the handles' declarations, their definitions and the tables the loader walks
// are all made from these lists.

#include <allegro.h>

#include <string>
#include <vector>

#include "assetfiles/decode.h"

// Sounds, loaded once at start-up. Two (rykeDeathFX, enemyDeath_2FX) are loaded but never played.
// clang-format off
//                  handle            file
#define RYKE_SOUNDS(SOUND) \
    SOUND(prepareToDie,   "sound/prepareToDie.wav") \
    SOUND(bg_beat,        "sound/bg_beat.wav") \
    SOUND(evadeFX,        "sound/evade.wav") \
    SOUND(gruntFX,        "sound/grunt.wav") \
    SOUND(gunCockFX,      "sound/gunCock.wav") \
    SOUND(gunShotFX,      "sound/gunShot.wav") \
    SOUND(gunShot_2FX,    "sound/gunShot_2.wav") \
    SOUND(swordClashFX,   "sound/swordClash.wav") \
    SOUND(rykeDeathFX,    "sound/rykeDeath.wav") \
    SOUND(carnageShotFX,  "sound/carnageShot.wav") \
    SOUND(enemyDeathFX,   "sound/enemyDeath.wav") \
    SOUND(enemyDeath_2FX, "sound/enemyDeath_2.wav")

// Pictures, loaded once at start-up. Stored as seen on the right-hand side, except the handles
// ending in _flip or _L, which are stored already mirrored; the last, lettering, is the font the
// game's words are printed in (screen/lettering.h).
//                    handle             file
#define RYKE_PICTURES(PICTURE) \
    PICTURE(background,        "images/background_1.pcx") \
    PICTURE(int_carm,          "images/int_carm.pcx") \
    PICTURE(int_life,          "images/int_life.pcx") \
    PICTURE(enterScreen,       "images/enterScreen.pcx") \
    PICTURE(w00t,              "images/w00t.pcx") \
    PICTURE(rykeStand,         "images/rykeStick.pcx") \
    PICTURE(rykeHi_1,          "images/rykeHi_1.pcx") \
    PICTURE(rykeHi_2,          "images/rykeHi_2.pcx") \
    PICTURE(rykeHi_3,          "images/rykeHi_3.pcx") \
    PICTURE(rykeLo_1,          "images/rykeLo_1.pcx") \
    PICTURE(rykeLo_2,          "images/rykeLo_2.pcx") \
    PICTURE(rykeLo_3,          "images/rykeLo_3.pcx") \
    PICTURE(rykeHiKick_1,      "images/rykeHiKick_1.pcx") \
    PICTURE(rykeHiKick_2,      "images/rykeHiKick_2.pcx") \
    PICTURE(rykeLoKick_1,      "images/rykeLoKick_1.pcx") \
    PICTURE(rykeLoKick_2,      "images/rykeLoKick_2.pcx") \
    PICTURE(rykeCS_1,          "images/rykeCS_1.pcx") \
    PICTURE(rykeCS_2,          "images/rykeCS_2.pcx") \
    PICTURE(rykeDodge,         "images/rykeDodge.pcx") \
    PICTURE(rykePain,          "images/rykePain.pcx") \
    PICTURE(rykeDeath,         "images/ryke_die.pcx") \
    PICTURE(badGuy,            "images/badStick.pcx") \
    PICTURE(badSwordHi_1,      "images/badSwordHi_1.pcx") \
    PICTURE(badSwordHi_2,      "images/badSwordHi_2.pcx") \
    PICTURE(badSwordHi_3,      "images/badSwordHi_3.pcx") \
    PICTURE(badSwordLo_1,      "images/badSwordLo_1.pcx") \
    PICTURE(badSwordLo_2,      "images/badSwordLo_2.pcx") \
    PICTURE(badSwordLo_3,      "images/badSwordLo_3.pcx") \
    PICTURE(badSwordDodge,     "images/badSwordDodge.pcx") \
    PICTURE(badGuyDeath_1,     "images/bad_die.pcx") \
    PICTURE(badSwordStun_L,    "images/badSwordStun_L.pcx") \
    PICTURE(badSwordStun_R,    "images/badSwordStun_R.pcx") \
    PICTURE(badGuy_flip,       "images/badStick_flip.pcx") \
    PICTURE(badSwordLo_1_flip, "images/badSwordLo_1_flip.pcx") \
    PICTURE(gunHi_1,           "images/gunHi_1.pcx") \
    PICTURE(gunHi_2,           "images/gunHi_2.pcx") \
    PICTURE(gunHi_3,           "images/gunHi_3.pcx") \
    PICTURE(gunLo_1,           "images/gunLo_1.pcx") \
    PICTURE(gunLo_2,           "images/gunLo_2.pcx") \
    PICTURE(gunLo_3,           "images/gunLo_3.pcx") \
    PICTURE(gunDodge,          "images/gunDodge.pcx") \
    PICTURE(gunStun_L,         "images/gunStun_L.pcx") \
    PICTURE(gunStun_R,         "images/gunStun_R.pcx") \
    PICTURE(gunStand,          "images/gunStand.pcx") \
    PICTURE(gunStand_flip,     "images/gunStand_flip.pcx") \
    PICTURE(gunMove_R,         "images/gunMove_R.pcx") \
    PICTURE(gunMove_L,         "images/gunMove_L.pcx") \
    PICTURE(gunDeath_1,        "images/gunDie.pcx") \
    PICTURE(lettering,         "images/lettering.pcx")
// clang-format on

#define RYKE_DECLARE_SOUND(handle, file) extern SAMPLE* handle;
#define RYKE_DECLARE_PICTURE(handle, file) extern BITMAP* handle;
RYKE_SOUNDS(RYKE_DECLARE_SOUND)
RYKE_PICTURES(RYKE_DECLARE_PICTURE)
#undef RYKE_DECLARE_SOUND
#undef RYKE_DECLARE_PICTURE

// The back buffer every frame is composed in.
extern BITMAP* buffer;

struct SampleAsset {
    SAMPLE** handle;
    const char* path;
};

struct PictureAsset {
    BITMAP** handle;
    const char* path;
};

#define RYKE_COUNT_ASSET(handle, file) +1
constexpr int sampleAssetCount = 0 RYKE_SOUNDS(RYKE_COUNT_ASSET);
constexpr int pictureAssetCount = 0 RYKE_PICTURES(RYKE_COUNT_ASSET);
#undef RYKE_COUNT_ASSET

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
