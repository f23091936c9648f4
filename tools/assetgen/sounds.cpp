// The game's twelve sounds, synthesised from scratch.

#include "sounds.h"

#include <algorithm>
#include <cstdio>

#include "shell/assets.h"
#include "sound/cue.h"
#include "synth.h"

using namespace synth;

namespace {

// ---- Voices: a glottal pulse train through a parallel bank of formant filters. ----

// The voice at one moment; the voice glides linearly from one frame to the next.
struct VoiceFrame {
    double t, f0, voice, breath, f1, f2, f3;
};

// A consonant's release: a short burst of noise ringing at one frequency.
struct Burst {
    double t, length, freq, amp;
};

VoiceFrame voiceAt(const std::vector<VoiceFrame>& frames, double t)
{
    if (t <= frames.front().t)
        return frames.front();
    for (size_t k = 0; k + 1 < frames.size(); ++k) {
        const VoiceFrame &a = frames[k], &b = frames[k + 1];
        if (t < b.t) {
            const double u = (t - a.t) / (b.t - a.t);
            auto lerp = [u](double x, double y) { return x + (y - x) * u; };
            return {t, lerp(a.f0, b.f0), lerp(a.voice, b.voice), lerp(a.breath, b.breath),
                    lerp(a.f1, b.f1), lerp(a.f2, b.f2), lerp(a.f3, b.f3)};
        }
    }
    return frames.back();
}

Buffer speak(const std::vector<VoiceFrame>& frames, const std::vector<Burst>& bursts, double seconds,
             uint32_t seed, double vibrato)
{
    Buffer out = silence(seconds);
    det::Rng rng(seed);
    Formant f1, f2, f3, presence, fric;
    double phase = 0, previous = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const VoiceFrame v = voiceAt(frames, t);
        // A slight wobble and roughness keep the pitch from sounding like a machine.
        const double f0 = v.f0 * (1 + vibrato * det::sinDeg(360 * 5.5 * t) + 0.01 * rng.signedUnit());
        phase += f0 / kSampleRate;
        phase -= det::floor(phase);
        const double pulse = glottal(phase);
        const double source = (pulse - previous) * 8 * v.voice + rng.signedUnit() * 0.08 * v.breath;
        previous = pulse;
        // Higher formants a little quieter, as in a real voice.
        double y = f1.process(source, v.f1, 90) + 0.7 * f2.process(source, v.f2, 120) +
                   0.4 * f3.process(source, v.f3, 170) + 0.15 * presence.process(source, 3500, 400);
        double noise = 0, noiseFreq = 2000;
        for (const Burst& b : bursts)
            if (t >= b.t && t < b.t + b.length) {
                noise += rng.signedUnit() * b.amp * (1 - (t - b.t) / b.length);
                noiseFreq = b.freq;
            }
        y += fric.process(noise, noiseFreq, noiseFreq * 0.6);
        out[i] = y;
    }
    return out;
}

// ---- Percussive pieces. ----

// A piece's last 30 ms (or quarter, if shorter) faded out: a tail cut off while still sounding
// would click wherever the piece ends inside a sound.
Buffer trimmed(Buffer b)
{
    const size_t n = std::min(samplesFor(0.03), b.size() / 4);
    for (size_t i = 0; i < n; ++i) {
        const double u = static_cast<double>(i) / n;  // 0 at the last sample
        b[b.size() - 1 - i] *= 0.5 - 0.5 * det::cos(det::pi * u);
    }
    return b;
}

// White noise shaped by a decay, optionally darkened by a low-pass.
Buffer noiseHit(double seconds, double tau, double cutoff, uint32_t seed)
{
    Buffer b = silence(seconds);
    det::Rng rng(seed);
    LowPass lp;
    for (size_t i = 0; i < b.size(); ++i) {
        const double n = rng.signedUnit() * decay(timeOf(i), tau);
        b[i] = cutoff > 0 ? lp.process(n, cutoff) : n;
    }
    return trimmed(b);
}

// A sine whose pitch falls from f0 to f1 (a drum, a boom).
Buffer sweep(double seconds, double f0, double f1, double pitchTau, double ampTau)
{
    Buffer b = silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = timeOf(i);
        const double f = f1 + (f0 - f1) * decay(t, pitchTau);
        phase += f / kSampleRate;
        b[i] = det::sin(2 * det::pi * phase) * decay(t, ampTau);
    }
    return trimmed(b);
}

// Bright noise minus its low part: the hiss of a cymbal or a crack.
Buffer hiss(double seconds, double tau, double above, uint32_t seed)
{
    Buffer b = silence(seconds);
    det::Rng rng(seed);
    LowPass lp;
    for (size_t i = 0; i < b.size(); ++i) {
        const double n = rng.signedUnit();
        b[i] = (n - lp.process(n, above)) * decay(timeOf(i), tau);
    }
    return trimmed(b);
}

// A ringing mode of a piece of metal: its frequency and how fast it dies away.
struct Mode {
    double freq, tau;
};

Buffer finished(Buffer b, double fadeIn = 0.003, double fadeOut = 0.03)
{
    fadeEnds(b, fadeIn, fadeOut);
    return b;
}

// ---- The sounds. ----

Buffer makeSwordClash()
{
    // Steel on steel: inharmonic partials ringing at their own rates, after a bright strike.
    struct Partial {
        double freq, amp, tau;
    };
    const Partial partials[] = {{1187, 0.5, 0.34}, {1733, 0.34, 0.26}, {2651, 0.42, 0.5}, {2659, 0.3, 0.48},
                                {3517, 0.3, 0.22}, {4384, 0.24, 0.3},  {5973, 0.18, 0.15}, {7219, 0.1, 0.09}};
    Buffer b = silence(1.0);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = timeOf(i);
        for (const Partial& p : partials)
            b[i] += p.amp * det::sin(2 * det::pi * p.freq * t) * decay(t, p.tau);
    }
    mixInto(b, hiss(0.05, 0.006, 2000, 11), 0, 1.4);
    return finished(b, 0.001, 0.08);
}

Buffer makeGunCock()
{
    // "Chk-chk": the bolt racked back, then driven home lower and heavier: two short grinding
    // bursts of steel on steel, each a rattle of noise over the ring of the action.
    Buffer b = silence(0.17);
    auto rack = [](const std::vector<Mode>& modes, double above, uint32_t seed) {
        Buffer r = silence(0.07);
        det::Rng rng(seed);
        LowPass lp;
        for (size_t i = 0; i < r.size(); ++i) {
            const double t = timeOf(i), n = rng.signedUnit();
            double v = (n - lp.process(n, above)) * (0.6 + 0.4 * det::sinDeg(360 * 160 * t));
            for (const Mode& m : modes)
                v += det::sin(2 * det::pi * m.freq * t) * decay(t, m.tau) * 0.3;
            r[i] = v;
        }
        fadeEnds(r, 0.002, 0.015);
        return r;
    };
    mixInto(b, rack({{1180, 0.04}, {2630, 0.03}, {4170, 0.02}}, 2200, 21), 0, 0.8);
    mixInto(b, rack({{940, 0.05}, {2210, 0.04}, {3560, 0.03}}, 1400, 22), samplesFor(0.085), 1.0);
    return finished(b, 0.002, 0.02);
}

Buffer makeGunShot(bool bright)
{
    // A crack and a burst of noise (dark and heavy, or bright and sharp), a falling boom, and
    // the report coming back off the hills, close behind.
    Buffer b = silence(bright ? 0.5 : 0.6);
    if (bright) {
        mixInto(b, hiss(0.45, 0.09, 2500, 31), 0, 1.0);
        mixInto(b, sweep(0.3, 220, 80, 0.02, 0.06), 0, 0.7);
    } else {
        Buffer body = noiseHit(0.55, 0.15, 0, 32);
        LowPass lp;
        for (size_t i = 0; i < body.size(); ++i)
            body[i] = lp.process(body[i], 300 + 1500 * decay(timeOf(i), 0.05));
        mixInto(b, body, 0, 4.0);
        mixInto(b, sweep(0.5, 110, 45, 0.05, 0.18), 0, 0.9);
    }
    mixInto(b, hiss(0.01, 0.002, 3000, 33), 0, 0.8);
    echo(b, bright ? std::vector<double>{0.06, 0.14} : std::vector<double>{0.05, 0.11, 0.19}, 0.4, 0.55);
    return finished(b, 0.001, 0.08);
}

Buffer makeGrunt()
{
    // "Uh!": a short, low, pushed-out vowel.
    const std::vector<VoiceFrame> f = {{0.00, 128, 0.0, 0.6, 640, 1190, 2390},
                                       {0.03, 124, 1.0, 0.4, 650, 1180, 2390},
                                       {0.18, 104, 0.8, 0.3, 600, 1100, 2350},
                                       {0.32, 92, 0.0, 0.2, 520, 1000, 2300}};
    return finished(speak(f, {}, 0.36, 41, 0.0), 0.004, 0.04);
}

Buffer makeRykeDeath()
{
    // A long falling cry, "aaa-oh", then the body meets the ground.
    const std::vector<VoiceFrame> f = {{0.00, 205, 0.0, 0.5, 760, 1150, 2500},
                                       {0.05, 200, 1.0, 0.3, 760, 1150, 2500},
                                       {0.60, 150, 0.9, 0.3, 700, 1080, 2450},
                                       {0.95, 95, 0.5, 0.3, 520, 860, 2400},
                                       {1.10, 85, 0.0, 0.1, 480, 820, 2400}};
    Buffer b = speak(f, {}, 1.5, 51, 0.03);
    mixInto(b, sweep(0.3, 90, 55, 0.05, 0.08), samplesFor(1.18), 0.12);
    mixInto(b, noiseHit(0.25, 0.05, 400, 52), samplesFor(1.18), 0.3);
    return finished(b, 0.004, 0.1);
}

Buffer makeEnemyDeath()
{
    // A sharp "yaagh!".
    const std::vector<VoiceFrame> f = {{0.00, 270, 0.0, 0.8, 300, 2200, 2900},
                                       {0.05, 262, 1.0, 0.5, 660, 1700, 2500},
                                       {0.35, 200, 0.9, 0.6, 750, 1150, 2450},
                                       {0.70, 140, 0.0, 0.4, 700, 1100, 2400}};
    return finished(speak(f, {}, 0.8, 61, 0.02), 0.004, 0.08);
}

Buffer makeEnemyDeath2()
{
    // A choked "urrgh", shaking, then a thud.
    const std::vector<VoiceFrame> f = {{0.00, 135, 0.0, 0.5, 600, 1000, 2300},
                                       {0.04, 132, 1.0, 0.5, 600, 1000, 2300},
                                       {0.50, 90, 0.8, 0.6, 360, 820, 2250},
                                       {0.75, 70, 0.0, 0.3, 340, 800, 2200}};
    Buffer b = speak(f, {}, 1.0, 71, 0.0);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] *= 0.75 + 0.25 * det::sinDeg(360 * 24 * timeOf(i));
    mixInto(b, noiseHit(0.2, 0.04, 350, 72), samplesFor(0.78), 0.25);
    return finished(b, 0.004, 0.06);
}

Buffer makeEvade()
{
    // Air rushing past: noise through a band that sweeps up and back down.
    Buffer b = silence(0.45);
    det::Rng rng(81);
    BandPass bp;
    for (size_t i = 0; i < b.size(); ++i) {
        const double u = timeOf(i) / 0.45;
        const double hump = det::sin(det::pi * u);
        const double centre = 400 + 2600 * det::sin(det::pi * det::clamp(u * 1.2, 0, 1));
        b[i] = bp.process(rng.signedUnit(), centre, 0.3) * hump * hump;
    }
    return finished(b, 0.005, 0.05);
}

Buffer makeCarnageShot()
{
    // A falling zap as the blast leaves the blade, then a huge boom and a long rumble.
    Buffer b = silence(2.4);
    Buffer zap = silence(0.22);
    double phase = 0;
    for (size_t i = 0; i < zap.size(); ++i) {
        const double t = timeOf(i);
        phase += (300 + 2000 * decay(t, 0.05)) / kSampleRate;
        phase -= det::floor(phase);
        zap[i] = (phase < 0.5 ? 0.5 : -0.5) * decay(t, 0.08);
    }
    mixInto(b, zap, 0, 0.5);
    mixInto(b, sweep(2.0, 85, 28, 0.25, 0.6), samplesFor(0.04), 1.0);
    Buffer roar = noiseHit(2.0, 0.45, 0, 91);
    LowPass lp;
    for (size_t i = 0; i < roar.size(); ++i)
        roar[i] = lp.process(roar[i], 180 + 5000 * decay(timeOf(i), 0.2));
    mixInto(b, roar, samplesFor(0.04), 2.2);
    mixInto(b, hiss(0.03, 0.006, 2500, 92), samplesFor(0.04), 0.9);
    echo(b, {0.11, 0.23, 0.37}, 0.25, 0.6);
    return finished(b, 0.002, 0.3);
}

// Two bars of drums and bass at 120 beats a minute: 4 seconds, 88200 samples. Hits that ring
// past the end wrap round to the start, so the loop joins itself without a seam; the loop
// begins 2 ms before the downbeat, so the join falls inside ringing tails, not on a hit.
Buffer makeBeat()
{
    constexpr int kSteps = 32;  // sixteenths in two bars
    const double step = 0.125;
    Buffer loop = silence(kSteps * step);
    const size_t lead = samplesFor(0.002);
    auto at = [&](int s) { return samplesFor(s * step) + lead; };
    const char* kick = "x.....x.x.x.....x.......x..x..x.";
    const char* snare = "....x.......x..x....x.......x..x";
    const char* hat = "x.x.x.x.x.x.x.o.x.x.x.x.xxxxxxxx";
    for (int s = 0; s < kSteps; ++s) {
        if (kick[s] == 'x') {
            Buffer k = sweep(0.45, 150, 48, 0.035, 0.17);
            mixInto(k, hiss(0.004, 0.001, 2000, 100 + s), 0, 0.3);
            mixInto(loop, k, at(s), 1.0, true);
        }
        if (snare[s] == 'x') {
            Buffer sn = hiss(0.3, 0.1, 900, 200 + s);
            mixInto(sn, sweep(0.2, 200, 180, 0.02, 0.05), 0, 0.6);
            const bool ghost = s % 16 == 15;  // a soft hit leading into the next bar
            mixInto(loop, sn, at(s), ghost ? 0.35 : 0.8, true);
        }
        if (hat[s] != '.')
            mixInto(loop, hiss(0.25, hat[s] == 'o' ? 0.1 : 0.022, 6000, 300 + s), at(s), 0.6, true);
    }
    // A low riff in A minor, one note per eighth (0 = rest), in Hz.
    const double bass[16] = {55, 55, 0, 55, 65.4, 0, 55, 49, 49, 0, 49, 55, 82.4, 0, 73.4, 65.4};
    for (int e = 0; e < 16; ++e) {
        if (bass[e] == 0)
            continue;
        Buffer note = silence(0.24);
        LowPass lp1, lp2;
        double phase = 0;
        for (size_t i = 0; i < note.size(); ++i) {
            const double t = timeOf(i);
            phase += bass[e] / kSampleRate;
            phase -= det::floor(phase);
            const double saw = 2 * phase - 1;
            note[i] = lp2.process(lp1.process(saw, 500), 500) * decay(t, 0.12);
        }
        fadeEnds(note, 0.004, 0.03);
        mixInto(loop, note, at(e * 2), 1.1, true);
    }
    return loop;
}

Buffer makePrepareToDie()
{
    // "Pre-pare to die", low and slow, with a hall around it. Consonants are silences (the
    // closures of p, t, d) and short bursts; "r" is the dip of the third formant.
    const std::vector<VoiceFrame> f = {
        {0.00, 96, 0.0, 0.0, 400, 1200, 2400},  {0.08, 96, 0.0, 0.0, 400, 1200, 2400},   // p closure
        {0.10, 96, 0.0, 0.6, 400, 1200, 2400},                                         // release
        {0.12, 98, 0.8, 0.1, 360, 1150, 1650},  {0.17, 100, 1.0, 0.1, 400, 1850, 2500}, // r-i
        {0.24, 100, 1.0, 0.1, 420, 1800, 2500}, {0.26, 100, 0.0, 0.0, 420, 1800, 2500}, // p closure
        {0.32, 104, 0.0, 0.6, 560, 1700, 2500}, {0.34, 108, 1.0, 0.2, 580, 1800, 2500}, // pa-
        {0.50, 104, 1.0, 0.1, 560, 1650, 2450}, {0.62, 98, 0.9, 0.1, 450, 1300, 1700},  // -re
        {0.68, 95, 0.0, 0.0, 450, 1300, 1700},  {0.74, 95, 0.0, 0.0, 450, 1300, 1700},  // t closure
        {0.76, 95, 0.0, 0.8, 450, 1400, 2400},  {0.79, 94, 0.9, 0.2, 450, 1250, 2400},  // to
        {0.88, 90, 0.8, 0.1, 340, 950, 2300},   {0.91, 88, 0.2, 0.0, 250, 900, 2300},   // d closure
        {0.96, 90, 0.2, 0.0, 250, 1500, 2500},  {0.99, 110, 1.0, 0.1, 740, 1250, 2500}, // die
        {1.20, 96, 1.0, 0.1, 700, 1350, 2500},  {1.42, 72, 0.7, 0.1, 340, 2150, 2850},
        {1.60, 64, 0.0, 0.0, 320, 2200, 2900}};
    const std::vector<Burst> bursts = {{0.09, 0.02, 1000, 0.12}, {0.30, 0.02, 1000, 0.14},
                                       {0.74, 0.025, 4000, 0.16}, {0.955, 0.015, 3200, 0.1}};
    Buffer b = speak(f, bursts, 2.1, 111, 0.015);
    echo(b, {0.09, 0.17, 0.26, 0.37}, 0.35, 0.6);
    return finished(b, 0.004, 0.2);
}

}  // namespace

// How loud each sound is heard in the game's output, over its whole length. The beat sits well
// inside what players expect of a game's music; every cue stands clear above it: blows, shots
// and voices by 7 dB, the carnage blast by 8, the small sounds (a dodge, a bolt worked) by 6.5.
constexpr double kBedDb = -28, kCueDb = kBedDb + 7, kBlastDb = kBedDb + 8, kSmallDb = kBedDb + 6.5;

// A recipe whose loop and volumes are those of the game's cues that play it. A sample no cue
// plays yet is mastered for full volume, the loudest a cue could play it, so that whichever cue
// comes to play it keeps the room left for a second cue.
SoundRecipe playedLike(SAMPLE** handle, double heardDb, std::function<std::vector<double>()> make)
{
    SoundRecipe r{handle, false, 255, 0, heardDb, std::move(make)};
    for (const CueSound& c : cueSounds)
        if (c.sample == handle) {
            r.loops = r.loops || c.loops;
            r.quietest = std::min(r.quietest, nearChannel(c.volume, c.pan));
            r.loudest = std::max(r.loudest, nearChannel(c.volume, c.pan));
        }
    r.loudest = r.loudest ? r.loudest : 255;
    return r;
}

std::vector<SoundRecipe> soundRecipes()
{
    // clang-format off
    //                  sample           heard     synthesis
    return {playedLike(&prepareToDie,   kCueDb,   makePrepareToDie),
            playedLike(&bg_beat,        kBedDb,   makeBeat),
            playedLike(&evadeFX,        kSmallDb, makeEvade),
            playedLike(&gruntFX,        kCueDb,   makeGrunt),
            playedLike(&gunCockFX,      kSmallDb, makeGunCock),
            playedLike(&gunShotFX,      kCueDb,   [] { return makeGunShot(false); }),
            playedLike(&gunShot_2FX,    kCueDb,   [] { return makeGunShot(true); }),
            playedLike(&swordClashFX,   kCueDb,   makeSwordClash),
            // Loaded but not played yet: heard like a cue at full volume.
            playedLike(&rykeDeathFX,    kCueDb,   makeRykeDeath),
            playedLike(&carnageShotFX,  kBlastDb, makeCarnageShot),
            playedLike(&enemyDeathFX,   kCueDb,   makeEnemyDeath),
            playedLike(&enemyDeath_2FX, kCueDb,   makeEnemyDeath2)};
    // clang-format on
}

double ceilingFor(const SoundRecipe& recipe)
{
    if (recipe.loops)
        return kBedPeak;
    return std::min(kCeiling, kCuePeak * 255 / recipe.loudest);
}

std::vector<int16_t> toPcm(const std::vector<double>& samples)
{
    std::vector<int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples)
        pcm.push_back(static_cast<int16_t>(det::roundToInt(det::clamp(s, -1.0, 1.0) * 32767)));
    return pcm;
}

namespace {

void put32(std::FILE* f, uint32_t v)
{
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

void put16(std::FILE* f, uint16_t v)
{
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

}  // namespace

bool writeWav(const char* path, const std::vector<int16_t>& pcm)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);          // size of the format chunk
    put16(f, 1);           // PCM
    put16(f, 1);           // mono
    put32(f, kSampleRate);
    put32(f, kSampleRate * 2);  // bytes a second
    put16(f, 2);           // bytes a frame
    put16(f, 16);          // bits a sample
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (int16_t s : pcm)
        put16(f, static_cast<uint16_t>(s));  // little-endian whatever the machine
    return std::fclose(f) == 0;
}
