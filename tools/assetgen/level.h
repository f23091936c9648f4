#pragma once
// How loud a sound is heard, and the mastering that brings each sound to the level it should be
// heard at once the game has played it at its volume. Loudness is the mean square of the loudest
// 100 ms after K-weighting (the ear's weighting used by broadcast loudness meters): short enough
// for a click or a shot, long enough that a single spike does not count for much.

#include <vector>

namespace level {

// The mean square of the loudest 100 ms, K-weighted; 1.0 is a full-scale square wave.
double loudestMeanSquare(const std::vector<double>& samples);
double toDb(double meanSquare);  // for reports only: not bit-exact between machines
double meanSquareOf(double db);  // deterministic

struct Mastered {
    std::vector<double> samples;
    double heardDb;  // loudness at the game's volume
    double peak;     // largest magnitude, of full scale
    double drive;    // how hard the limiter was pushed (1: not at all)
};

// Scales the sound so that, played at `volume` (of 255), its loudness is `heardDb`; no sample
// goes above `ceiling`. A sound too spiky to get there is pushed into a soft limiter, up to
// `maxDrive` times; past that it stays quieter (the caller checks heardDb).
Mastered master(const std::vector<double>& samples, int volume, double heardDb, double ceiling,
                double maxDrive = 4.0);

}  // namespace level
