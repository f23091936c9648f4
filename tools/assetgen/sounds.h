#pragma once
// Every sound the game loads, keyed by the game's own handle, with the synthesis that makes it.

#include <allegro.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

constexpr int kSampleRate = 22050;

struct SoundRecipe {
    SAMPLE** handle;
    // Played on a loop: its end must join its start; else a one-shot that fades in and out.
    bool loops;
    // The volumes (of 255) it reaches in the channel it is heard in, over the game's cues: the
    // quietest must still be heard at heardDb, the loudest must stay under kCuePeak in the output.
    int quietest, loudest;
    // How loud it should be heard at its quietest (dB of full scale, the level of level.h).
    double heardDb;
    std::function<std::vector<double>()> make;  // samples of any scale; mastering sets the level
};

std::vector<SoundRecipe> soundRecipes();

// A voice's volume in the channel it leans toward: the game's mixer gives a voice panned off
// centre up to twice its volume there.
constexpr int nearChannel(int volume, int pan) { return std::min(255, volume * 2 * std::max(pan, 255 - pan) / 255); }

// The highest a sound's own samples may reach, of full scale (-1 dBFS): nothing clips, even
// after resampling.
constexpr double kCeiling = 0.89;
// In the game's output the beat peaks at most at kBedPeak, and a cue where it is played loudest
// at kCuePeak: two cues meeting at their peaks over the beat's stay under full scale.
constexpr double kBedPeak = 0.18, kCuePeak = 0.40;
static_assert(2 * kCuePeak + kBedPeak < 0.99, "two cues over the beat would clip");
// The highest the sound's own samples may reach.
double ceilingFor(const SoundRecipe& recipe);

// 16-bit mono PCM at kSampleRate from samples in [-1, 1].
std::vector<int16_t> toPcm(const std::vector<double>& samples);
// A RIFF/WAVE file of 16-bit mono PCM; false when it cannot be written.
bool writeWav(const char* path, const std::vector<int16_t>& pcm);
