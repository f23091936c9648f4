#pragma once
// Arithmetic that gives the same bits on every machine: only + - * / and sqrt, which IEEE 754
// rounds exactly, and no libm sin/cos/exp, whose last bit differs between C libraries.

#include <cstdint>

#ifdef __clang__
// A fused multiply-add would round differently from the separate operations.
#pragma STDC FP_CONTRACT OFF
#endif

namespace det {

constexpr double pi = 3.14159265358979323846;

double sin(double x);
double cos(double x);
// Degrees, the unit every pose table uses.
double sinDeg(double degrees);
double cosDeg(double degrees);
double exp(double x);
double sqrt(double x);
double floor(double x);
int roundToInt(double x);
double clamp(double x, double lo, double hi);

// xorshift32: a fixed sequence for a fixed seed, independent of the C library's rand().
// Draw at most once per statement: the order in which a call's arguments (or the operands of
// + and *) are evaluated differs between compilers, and so would the picture.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    uint32_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [-1, 1).
    double signedUnit();
    // Uniform in [lo, hi).
    double range(double lo, double hi);

private:
    uint32_t state_;
};

}  // namespace det
