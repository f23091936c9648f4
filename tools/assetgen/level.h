#pragma once
// How loud a sound is heard in the game's output, and the mastering that brings each sound to
// that level. The game mixes every voice at full scale (one voice alone can reach full scale),
// so a sound played at volume v is heard at its own samples times v / 255 in the channel it
// sits in. Its level is its RMS over its whole length: a cue is heard over the beat for as long
// as it lasts, not only at its loudest instant.

#include <vector>

namespace level {

// The mean square of the whole sound as the mixer plays it, at twice its rate with a sample
// added halfway between each two (so a bright sound is heard a little quieter); 1.0 is a
// full-scale square wave.
double meanSquare(const std::vector<double>& samples);
double toDb(double meanSquare);  // for reports only: not bit-exact between machines
double meanSquareOf(double db);  // deterministic

struct Mastered {
    std::vector<double> samples;
    double heardDb;  // level at the game's volume, dB of full scale
    double peak;     // largest magnitude, of full scale
    double drive;    // how hard the limiter was pushed (1: not at all)
};

// Scales the sound so that, played at `volume` (of 255), its level is `heardDb`; no sample goes
// above `ceiling`. A sound too spiky to get there is pushed into a soft limiter, up to
// `maxDrive` times; past that it stays quieter (the caller checks heardDb). The bolt's rattle,
// played 7.4 dB louder at its loudest cue than at its quietest, needs 4.4.
Mastered master(const std::vector<double>& samples, int volume, double heardDb, double ceiling,
                double maxDrive = 5.0);

}  // namespace level
