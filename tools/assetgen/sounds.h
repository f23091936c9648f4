#pragma once
// Every sound the game loads, keyed by the game's own handle, with the synthesis that makes it.

#include <allegro.h>

#include <cstdint>
#include <functional>
#include <vector>

constexpr int kSampleRate = 22050;

struct SoundRecipe {
    SAMPLE** handle;
    // Played on a loop: its end must join its start; else a one-shot that fades in and out.
    bool loops;
    // The volume (of 255) the game plays it at, its loudest where it has several.
    int volume;
    // How loud it should be heard at that volume (dB of the loudness measure in level.h).
    double heardDb;
    std::function<std::vector<double>()> make;  // samples of any scale; mastering sets the level
};

std::vector<SoundRecipe> soundRecipes();

// The highest a sample may reach, of full scale (-1 dBFS): nothing clips, even after resampling.
constexpr double kCeiling = 0.89;

// 16-bit mono PCM at kSampleRate from samples in [-1, 1].
std::vector<int16_t> toPcm(const std::vector<double>& samples);
// A RIFF/WAVE file of 16-bit mono PCM; false when it cannot be written.
bool writeWav(const char* path, const std::vector<int16_t>& pcm);
