#include "level.h"

#include <algorithm>
#include <cmath>

#include "detmath.h"
#include "sounds.h"

namespace level {

namespace {

constexpr double kLn10 = 2.30258509299404568402;

double tanDet(double x) { return det::sin(x) / det::cos(x); }

// A biquad section, direct form I.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double process(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

// K-weighting at the game's sample rate: a high shelf of +4 dB above ~1.7 kHz (the head's
// effect) and a high pass below ~38 Hz.
std::vector<Biquad> kWeighting()
{
    const double fs = kSampleRate;
    const double shelfK = tanDet(det::pi * 1681.974450955533 / fs), shelfQ = 0.7071752369554196;
    const double gainDb = 3.999843853973347;
    const double vh = det::exp(gainDb / 20 * kLn10), vb = det::exp(0.4996667741545416 * gainDb / 20 * kLn10);
    const double a0 = 1 + shelfK / shelfQ + shelfK * shelfK;
    const Biquad shelf{(vh + vb * shelfK / shelfQ + shelfK * shelfK) / a0, 2 * (shelfK * shelfK - vh) / a0,
                       (vh - vb * shelfK / shelfQ + shelfK * shelfK) / a0, 2 * (shelfK * shelfK - 1) / a0,
                       (1 - shelfK / shelfQ + shelfK * shelfK) / a0};
    const double passK = tanDet(det::pi * 38.13547087602444 / fs), passQ = 0.5003270373238773;
    const double p0 = 1 + passK / passQ + passK * passK;
    const Biquad highPass{1, -2, 1, 2 * (passK * passK - 1) / p0, (1 - passK / passQ + passK * passK) / p0};
    return {shelf, highPass};
}

// Below `knee` of the ceiling a sample passes; above, it bends smoothly toward the ceiling.
double limit(double x, double ceiling)
{
    const double knee = 0.5 * ceiling;
    const double m = x < 0 ? -x : x;
    if (m <= knee)
        return x;
    const double u = (m - knee) / (ceiling - knee);
    const double bent = knee + (ceiling - knee) * (1 - 2 / (det::exp(2 * u) + 1));
    return x < 0 ? -bent : bent;
}

std::vector<double> scaled(const std::vector<double>& x, double gain, double ceiling, bool limited)
{
    std::vector<double> out(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        out[i] = limited ? limit(x[i] * gain, ceiling) : x[i] * gain;
    return out;
}

double peakOf(const std::vector<double>& x)
{
    double p = 0;
    for (double v : x)
        p = std::max(p, v < 0 ? -v : v);
    return p;
}

}  // namespace

double loudestMeanSquare(const std::vector<double>& samples)
{
    std::vector<Biquad> filters = kWeighting();
    const size_t window = static_cast<size_t>(kSampleRate / 10);
    std::vector<double> squares(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        double y = samples[i];
        for (Biquad& f : filters)
            y = f.process(y);
        squares[i] = y * y;
    }
    // A sound shorter than the window is measured over the window all the same.
    double sum = 0, loudest = 0;
    for (size_t i = 0; i < squares.size(); ++i) {
        sum += squares[i];
        if (i >= window)
            sum -= squares[i - window];
        loudest = std::max(loudest, sum);
    }
    return loudest / window;
}

double toDb(double meanSquare) { return 10 * std::log10(std::max(meanSquare, 1e-20)); }

double meanSquareOf(double db) { return det::exp(db / 10 * kLn10); }

Mastered master(const std::vector<double>& samples, int volume, double heardDb, double ceiling, double maxDrive)
{
    // The game's volume scales the amplitude: its square scales what is heard.
    const double atVolume = (volume / 255.0) * (volume / 255.0);
    const double wanted = meanSquareOf(heardDb) / atVolume;
    const double peakGain = ceiling / std::max(peakOf(samples), 1e-12);
    Mastered m;
    m.drive = 1;
    const double atPeak = loudestMeanSquare(scaled(samples, peakGain, ceiling, false));
    if (atPeak >= wanted) {
        // Loud enough already: turned down, its peak below the ceiling.
        m.samples = scaled(samples, peakGain * det::sqrt(wanted / atPeak), ceiling, false);
    } else {
        // Too spiky: drive it into the limiter, as little as gets it there.
        double lo = 1, hi = maxDrive;
        if (loudestMeanSquare(scaled(samples, peakGain * hi, ceiling, true)) < wanted)
            lo = hi;
        for (int step = 0; step < 40 && lo < hi; ++step) {
            const double mid = (lo + hi) / 2;
            (loudestMeanSquare(scaled(samples, peakGain * mid, ceiling, true)) < wanted ? lo : hi) = mid;
        }
        m.drive = hi;
        m.samples = scaled(samples, peakGain * hi, ceiling, true);
    }
    m.peak = peakOf(m.samples);
    m.heardDb = toDb(loudestMeanSquare(m.samples) * atVolume);
    return m;
}

}  // namespace level
