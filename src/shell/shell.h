#pragma once
// Every global of the game shell: flags of the outer loop, the frame clock and the asset handles.

#include <allegro.h>

#include <atomic>

#include "shell/cue.h"
#include "shell/timer.h"

// The current bout runs while this is non-zero.
extern int gameOn;
// The program (title screen and bouts) runs while this is non-zero.
extern int gameLoop;
// Set by the window's close button, on the library's event thread; honoured like ESC.
extern std::atomic<bool> closeRequested;

// Logic ticks counted and not yet consumed (raised 35 times a second on the timer thread).
extern std::atomic<int> g_counter;
// Hundredths of a second since the clock started: every time stamp is a value of it.
extern std::atomic<int> g_hSecCounter;
// The one frame clock.
extern CTimer timer;

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
