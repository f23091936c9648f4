#pragma once
// Small building blocks for the sounds: oscillators, filters, envelopes and mixing. Every
// function is a pure computation on doubles from the deterministic maths, so a sound comes out
// the same on every machine.

#include <cstddef>
#include <vector>

#include "detmath.h"
#include "sounds.h"

namespace synth {

using Buffer = std::vector<double>;

size_t samplesFor(double seconds);
Buffer silence(double seconds);
// Seconds at sample index i.
inline double timeOf(size_t i) { return static_cast<double>(i) / kSampleRate; }

// e^(-t / tau): the decay of a struck or plucked sound.
double decay(double t, double tau);

// A glottal pulse train's value at phase p in [0, 1): the source of a voice.
double glottal(double p);

// One-pole low-pass; the cutoff (Hz) may change every sample.
class LowPass {
public:
    double process(double x, double cutoff);

private:
    double z_ = 0;
};

// Band-pass with a peak gain of one at `freq` whatever its width (bandwidth in Hz): one formant
// of a parallel voice, so each formant's loudness is set by its own gain.
class Formant {
public:
    double process(double x, double freq, double bandwidth);

private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// State-variable filter; returns the band-pass output around `cutoff` with damping `q` (0..2).
class BandPass {
public:
    double process(double x, double cutoff, double damping);

private:
    double low_ = 0, band_ = 0;
};

// Adds src into dst starting at sample `at`, scaled; with wrap the tail that runs past the end
// comes back in at the start (a seamless loop).
void mixInto(Buffer& dst, const Buffer& src, size_t at, double gain, bool wrap = false);
// Linear fade from silence at the start and to silence at the end.
void fadeEnds(Buffer& b, double inSeconds, double outSeconds);
// Adds decaying copies of the sound after itself (a hall around a voice or a shot).
void echo(Buffer& b, const std::vector<double>& delays, double firstGain, double falloff);

}  // namespace synth
