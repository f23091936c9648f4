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
    std::function<std::vector<double>()> make;  // samples in [-1, 1]
};

std::vector<SoundRecipe> soundRecipes();

// 16-bit mono PCM at kSampleRate, scaled so the loudest sample sits at `peak` of full scale.
std::vector<int16_t> toPcm(const std::vector<double>& samples, double peak);
// A RIFF/WAVE file of 16-bit mono PCM; false when it cannot be written.
bool writeWav(const char* path, const std::vector<int16_t>& pcm);
