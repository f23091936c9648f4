#include "synth.h"

namespace synth {

size_t samplesFor(double seconds) { return static_cast<size_t>(det::roundToInt(seconds * kSampleRate)); }

Buffer silence(double seconds) { return Buffer(samplesFor(seconds), 0.0); }

double decay(double t, double tau) { return t < 0 ? 0 : det::exp(-t / tau); }

double glottal(double p)
{
    // Rosenberg's pulse: a smooth opening, a quicker closing, then the closed phase.
    const double open = 0.42, close = 0.16;
    if (p < open)
        return 0.5 * (1 - det::cos(det::pi * p / open));
    if (p < open + close)
        return det::cos(det::pi * (p - open) / (2 * close));
    return 0;
}

double LowPass::process(double x, double cutoff)
{
    const double a = 1 - det::exp(-2 * det::pi * cutoff / kSampleRate);
    z_ += a * (x - z_);
    return z_;
}

double Formant::process(double x, double freq, double bandwidth)
{
    const double w0 = 2 * det::pi * freq / kSampleRate;
    const double alpha = det::sin(w0) * bandwidth / (2 * freq);
    const double a0 = 1 + alpha;
    const double y = (alpha * x - alpha * x2_ + 2 * det::cos(w0) * y1_ - (1 - alpha) * y2_) / a0;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double BandPass::process(double x, double cutoff, double damping)
{
    const double f = 2 * det::sin(det::pi * det::clamp(cutoff, 20, kSampleRate / 6.0) / kSampleRate);
    const double high = x - low_ - damping * band_;
    band_ += f * high;
    low_ += f * band_;
    return band_;
}

void mixInto(Buffer& dst, const Buffer& src, size_t at, double gain, bool wrap)
{
    for (size_t i = 0; i < src.size(); ++i) {
        size_t k = at + i;
        if (k >= dst.size()) {
            if (!wrap)
                break;
            k %= dst.size();
        }
        dst[k] += src[i] * gain;
    }
}

void fadeEnds(Buffer& b, double inSeconds, double outSeconds)
{
    const size_t in = samplesFor(inSeconds), out = samplesFor(outSeconds);
    for (size_t i = 0; i < in && i < b.size(); ++i)
        b[i] *= static_cast<double>(i) / in;
    for (size_t i = 0; i < out && i < b.size(); ++i)
        b[b.size() - 1 - i] *= static_cast<double>(i) / out;
}

void echo(Buffer& b, const std::vector<double>& delays, double firstGain, double falloff)
{
    const Buffer dry = b;
    double gain = firstGain;
    for (double d : delays) {
        mixInto(b, dry, samplesFor(d), gain);
        gain *= falloff;
    }
}

}  // namespace synth
