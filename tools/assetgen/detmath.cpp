#include "detmath.h"

#include <cmath>

namespace det {

namespace {

// Taylor series of sin on [-pi/2, pi/2]; the 19th-order term is below 1e-12 there.
double sinKernel(double x)
{
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 9; ++n) {
        term = -term * x2 / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

}  // namespace

double floor(double x) { return std::floor(x); }
double sqrt(double x) { return std::sqrt(x); }

int roundToInt(double x) { return static_cast<int>(std::floor(x + 0.5)); }

double clamp(double x, double lo, double hi) { return x < lo ? lo : (x > hi ? hi : x); }

double sin(double x)
{
    // Bring x into [-pi, pi], then fold into [-pi/2, pi/2] where the series is accurate.
    const double twoPi = 2.0 * pi;
    x -= twoPi * std::floor(x / twoPi + 0.5);
    if (x > pi / 2.0)
        x = pi - x;
    else if (x < -pi / 2.0)
        x = -pi - x;
    return sinKernel(x);
}

double cos(double x) { return sin(x + pi / 2.0); }

double sinDeg(double degrees) { return sin(degrees * (pi / 180.0)); }
double cosDeg(double degrees) { return cos(degrees * (pi / 180.0)); }

double exp(double x)
{
    if (x < -700.0)
        return 0.0;
    // x = k ln2 + r with |r| <= ln2 / 2, so the series for e^r converges fast.
    const double ln2 = 0.69314718055994530942;
    const double k = std::floor(x / ln2 + 0.5);
    const double r = x - k * ln2;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 16; ++n) {
        term = term * r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

uint32_t Rng::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() { return (next() >> 8) * (1.0 / 16777216.0); }

double Rng::signedUnit() { return uniform() * 2.0 - 1.0; }

double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

}  // namespace det
