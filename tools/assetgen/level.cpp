#include "level.h"

#include <algorithm>
#include <cmath>

#include "detmath.h"

namespace level {

namespace {

constexpr double kLn10 = 2.30258509299404568402;

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

double meanSquare(const std::vector<double>& samples)
{
    double sum = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double halfway = (samples[i] + (i + 1 < samples.size() ? samples[i + 1] : 0)) / 2;
        sum += samples[i] * samples[i] + halfway * halfway;
    }
    return samples.empty() ? 0 : sum / (2 * samples.size());
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
    const double atPeak = meanSquare(scaled(samples, peakGain, ceiling, false));
    if (atPeak >= wanted) {
        // Loud enough already: turned down, its peak below the ceiling.
        m.samples = scaled(samples, peakGain * det::sqrt(wanted / atPeak), ceiling, false);
    } else {
        // Too spiky: drive it into the limiter, as little as gets it there.
        double lo = 1, hi = maxDrive;
        if (meanSquare(scaled(samples, peakGain * hi, ceiling, true)) < wanted)
            lo = hi;
        for (int step = 0; step < 40 && lo < hi; ++step) {
            const double mid = (lo + hi) / 2;
            (meanSquare(scaled(samples, peakGain * mid, ceiling, true)) < wanted ? lo : hi) = mid;
        }
        m.drive = hi;
        m.samples = scaled(samples, peakGain * hi, ceiling, true);
    }
    m.peak = peakOf(m.samples);
    m.heardDb = toDb(meanSquare(m.samples) * atVolume);
    return m;
}

}  // namespace level
