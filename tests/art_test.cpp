// The pictures and sounds as the game uses them (the generator checks each picture alone):
// fighters standing on the ground line wherever the game places them, blows that land where the timeline
// says they land, and cues that neither clip nor drown one another at the game's volumes.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/names.h"
#include "fighters/player.h"
#include "assetgen/level.h"
#include "assetgen/sounds.h"
#include "shell/assets.h"
#include "sound/cue.h"
#include "support/headless.h"

namespace {

// ---- Pictures ----

// The ground line of the backdrop, where the fighters' feet rest.
constexpr int kGroundY = 680;

bool isMask(int c) { return getr(c) == 255 && getg(c) == 0 && getb(c) == 255; }

std::string nameOf(const void* loaded)
{
    const char* path = loadedAssetPath(loaded);
    return path ? path : "?";
}

// Which of a fighter's colours marks his limbs: the hero's blue, the swordsman's red, the
// gunman's olive. No weapon, skin or ink pixel passes.
using Palette = bool (*)(int);
bool heroLimb(int c) { return getb(c) >= getr(c) + 60 && getb(c) >= getg(c) + 40; }
bool swordLimb(int c) { return getr(c) >= getg(c) + 60 && getr(c) >= getb(c) + 60; }
bool gunLimb(int c) { return getg(c) >= getb(c) + 25 && getr(c) >= getb(c) + 25 && getg(c) + 10 >= getr(c); }
// The hero's white jacket: it marks the middle of his body and ends at his hip.
bool heroJacket(int c) { return getr(c) >= 230 && getg(c) >= 230 && getb(c) >= 230; }

// A sprite as the game placed it in a frame.
struct Placed {
    BITMAP* sprite = nullptr;
    int x = 0, y = 0;
    bool mirrored = false;

    bool opaqueAt(int sx, int sy) const
    {
        int lx = sx - x;
        const int ly = sy - y;
        if (lx < 0 || ly < 0 || lx >= sprite->w || ly >= sprite->h)
            return false;
        if (mirrored)
            lx = sprite->w - 1 - lx;
        return !isMask(getpixel(sprite, lx, ly));
    }
    // The lowest screen row holding a pixel of the palette, or -1.
    int lowestRowOf(Palette colour) const
    {
        for (int ly = sprite->h - 1; ly >= 0; --ly)
            for (int lx = 0; lx < sprite->w; ++lx)
                if (colour(getpixel(sprite, lx, ly)))
                    return y + ly;
        return -1;
    }
    // The middle screen column of the pixels of a palette.
    int medianColumnOf(Palette colour) const
    {
        std::vector<int> columns;
        for (int ly = 0; ly < sprite->h; ++ly)
            for (int lx = 0; lx < sprite->w; ++lx)
                if (colour(getpixel(sprite, lx, ly)))
                    columns.push_back(mirrored ? x + sprite->w - 1 - lx : x + lx);
        std::sort(columns.begin(), columns.end());
        return columns.empty() ? -1 : columns[columns.size() / 2];
    }
    // The highest screen row holding an opaque pixel.
    int topRow() const
    {
        for (int ly = 0; ly < sprite->h; ++ly)
            for (int lx = 0; lx < sprite->w; ++lx)
                if (!isMask(getpixel(sprite, lx, ly)))
                    return y + ly;
        return y + sprite->h;
    }
    // Screen columns spanned by opaque pixels in rows [y0, y1).
    std::pair<int, int> columnsIn(int y0, int y1) const
    {
        int lo = 1 << 20, hi = -(1 << 20);
        for (int sy = std::max(y, y0); sy < std::min(y + sprite->h, y1); ++sy)
            for (int sx = x; sx < x + sprite->w; ++sx)
                if (opaqueAt(sx, sy)) {
                    lo = std::min(lo, sx);
                    hi = std::max(hi, sx);
                }
        return {lo, hi};
    }
};

// How deep a striker's front reaches into a target beside it, in the deepest row both are drawn
// in: negative is the gap still between them.
int reachInto(const Placed& striker, const Placed& target, bool strikerOnRight)
{
    int deepest = -(1 << 20);
    for (int y = std::max(striker.y, target.y); y < std::min(striker.y + striker.sprite->h, target.y + target.sprite->h); ++y) {
        const auto s = striker.columnsIn(y, y + 1), t = target.columnsIn(y, y + 1);
        if (s.first > s.second || t.first > t.second)
            continue;
        deepest = std::max(deepest, strikerOnRight ? t.second - s.first : s.second - t.first);
    }
    return deepest;
}

enum class Kind { Sword, Gun };
enum class Side { Right, Left };

struct Foe {
    Kind kind;
    Side side;
    const char* name;
    Palette limb;
    void (*timeline)();
    const AttackTimings& timings;
};

const Foe foes[] = {
    {Kind::Sword, Side::Right, "right swordsman", swordLimb, animate_sword_R, swordKind.timings},
    {Kind::Sword, Side::Left, "left swordsman", swordLimb, animate_sword_L, swordKind.timings},
    {Kind::Gun, Side::Right, "right gunman", gunLimb, animate_gun_R, gunKind.timings},
    {Kind::Gun, Side::Left, "left gunman", gunLimb, animate_gun_L, gunKind.timings},
};

class ArtInPlace : public Stage {
protected:
    static constexpr int kThen = 1000;

    // What one timeline drew at e hundredths into the state it was put in.
    Placed drawn(void (*timeline)(), int e)
    {
        setNow(kThen + e);
        paints.clear();
        timeline();
        EXPECT_FALSE(paints.empty());
        if (paints.empty())
            return {};
        const DrawCall& p = paints.back();
        EXPECT_EQ(p.w, p.sprite->w) << "a stretched picture does not stand on the ground line";
        return {p.sprite, p.x, p.y, p.mirrored()};
    }
    Placed hero(Side facing, const char* state, int e)
    {
        facing == Side::Right ? ryke.faceRight() : ryke.faceLeft();
        setNow(kThen);
        ryke.setAttackState(state);
        return drawn(animate_ryke, e);
    }
    // A fresh fighter of the kind, current on its side's line, in the state since kThen.
    enemy& put(const Foe& foe, const char* state)
    {
        enemy* line = foe.side == Side::Right ? enemies_R : enemies_L;
        setNow(kThen);
        if (foe.kind == Kind::Sword)
            line[0] = standardSword();
        else
            line[0] = standardGun();
        line[0].setAttackState(state);
        line[0].stunDuration = line[0].stunBase;
        return line[0];
    }
    Placed foeIn(const Foe& foe, const char* state, int e)
    {
        put(foe, state);
        return drawn(foe.timeline, e);
    }
};

// The feet, inside their ink line, end a few pixels above the picture's lowest row.
void expectOnTheGround(const Placed& p, Palette limb, const std::string& what)
{
    const int feet = p.lowestRowOf(limb);
    EXPECT_GE(feet, kGroundY - 7) << what << ": " << nameOf(p.sprite) << " stands " << kGroundY - feet
                                  << " px above the ground line";
    EXPECT_LE(feet, kGroundY) << what << ": " << nameOf(p.sprite) << " sinks " << feet - kGroundY
                              << " px into the ground";
}

TEST_F(ArtInPlace, EveryStandingPoseOfTheHeroHasItsFeetOnTheGroundLine)
{
    struct Moment {
        const char* state;
        int e;
    };
    // Each window of each move; the dead hero lies down and is not among them.
    const Moment moments[] = {{states::normal, 0},      {states::high, 15},        {states::high, 35},       {states::high, 42},
                              {states::low, 15},        {states::low, 35},         {states::low, 42},        {states::low, 45},
                              {states::highParry, 3},   {states::highParry, 20},   {states::highParry, 40},  {states::lowParry, 3},
                              {states::lowParry, 20},   {states::lowParry, 40},    {states::evade, 15},      {states::carnageShot, 20},
                              {states::carnageShot, 50}, {states::carnageShot, 60}, {states::highKick, 10},   {states::highKick, 25},
                              {states::lowKick, 10},    {states::lowKick, 25},     {states::damaged, 5}};
    for (Side facing : {Side::Right, Side::Left})
        for (const Moment& m : moments) {
            const std::string what = std::string(facing == Side::Right ? "facing right, " : "facing left, ") +
                                     m.state + " at e = " + std::to_string(m.e);
            expectOnTheGround(hero(facing, m.state, m.e), heroLimb, what);
        }
}

TEST_F(ArtInPlace, EveryStandingPoseOfBothEnemyKindsHasItsFeetOnTheGroundLine)
{
    for (const Foe& foe : foes) {
        ryke.setAttackState(states::evade);  // out of reach: the blows change nothing
        std::vector<std::pair<const char*, int>> moments = {{states::normal, 0}, {states::evade, 15}, {states::stunned, 10}};
        for (const char* height : {states::high, states::low})
            for (int e : {foe.timings.windUpEnds / 2, foe.timings.windUpEnds, foe.timings.bladeOutEnds, foe.timings.strikeEnds})
                moments.push_back({height, e});
        for (const auto& m : moments)
            expectOnTheGround(foeIn(foe, m.first, m.second), foe.limb,
                              std::string(foe.name) + ", " + m.first + " at e = " + std::to_string(m.second));
    }
}

TEST_F(ArtInPlace, ASwordLandsOnTheHeroOnlyWhenItsBlowFalls)
{
    for (const Foe& foe : foes) {
        if (foe.kind != Kind::Sword)
            continue;
        const Placed stand = hero(foe.side, states::normal, 0);
        const int middle = stand.medianColumnOf(heroJacket);
        ryke.setAttackState(states::evade);
        const bool onRight = foe.side == Side::Right;
        for (const char* height : {states::high, states::low}) {
            const std::string what = std::string(foe.name) + ", " + height;
            EXPECT_LE(reachInto(foeIn(foe, height, foe.timings.windUpEnds / 2), stand, onRight), -20)
                << what << ": the wind-up comes within 20 px of him";
            const Placed blow = foeIn(foe, height, foe.timings.bladeOutEnds);
            EXPECT_GE(reachInto(blow, stand, onRight), 8) << what << ": the blow stops short of him";
            // It meets him and stops there: nothing of it passes the middle of his body.
            const auto span = blow.columnsIn(0, 768);
            EXPECT_GE(onRight ? span.first - middle : middle - span.second, 0)
                << what << ": the blow goes through him";
        }
    }
}

TEST_F(ArtInPlace, AShotStreaksTowardTheHeroFromTheEdgeOfThePictureNearestHim)
{
    for (const Foe& foe : foes) {
        if (foe.kind != Kind::Gun)
            continue;
        const Placed stand = hero(foe.side, states::normal, 0);
        const int headRow = stand.topRow();
        const int hipRow = stand.lowestRowOf(heroJacket);  // his jacket ends at the hip
        ryke.setAttackState(states::evade);
        for (const char* height : {states::high, states::low}) {
            const std::string what = std::string(foe.name) + ", " + height;
            const Placed cocking = foeIn(foe, height, foe.timings.windUpEnds / 2);
            const Placed landing = foeIn(foe, height, foe.timings.bladeOutEnds);
            // The column of each picture nearest the hero, and the rows it is drawn in there.
            auto nearColumn = [&](const Placed& p) { return foe.side == Side::Right ? p.x : p.x + p.sprite->w - 1; };
            std::vector<int> rows;
            for (int y = landing.y; y < landing.y + landing.sprite->h; ++y)
                if (landing.opaqueAt(nearColumn(landing), y))
                    rows.push_back(y);
            ASSERT_FALSE(rows.empty()) << what << ": the shot stops short of the picture's edge";
            const int row = (rows.front() + rows.back()) / 2;
            if (std::string(height) == states::high) {
                EXPECT_GE(row, headRow) << what << ": the shot flies over his head";
                EXPECT_LT(row, hipRow) << what << ": a high shot flies below his hip";
            } else {
                EXPECT_GE(row, hipRow) << what << ": a low shot flies above his hip";
                EXPECT_LE(row, kGroundY) << what << ": the shot goes into the ground";
            }
            // Cocking, the gun points nowhere near him.
            const auto span = cocking.columnsIn(0, 768);
            const int gap = foe.side == Side::Right ? span.first - nearColumn(cocking) : nearColumn(cocking) - span.second;
            EXPECT_GE(gap, 20) << what << ": cocking, something reaches the picture's edge";
        }
    }
}

TEST_F(ArtInPlace, TheHerosKicksReachTheEnemyBehindHim)
{
    for (Side facing : {Side::Right, Side::Left}) {
        for (const Foe& foe : foes) {
            if (foe.side == facing)
                continue;  // a kick goes backwards
            for (const char* kick : {states::highKick, states::lowKick}) {
                const std::string what = std::string(kick) + " at the " + foe.name;
                put(foe, states::normal);
                const Placed leg = hero(facing, kick, 25);
                EXPECT_EQ(states::stunned, (foe.side == Side::Right ? currentEnemyRight : currentEnemyLeft)->attackState);
                const Placed dazed = drawn(foe.timeline, 25);
                EXPECT_GE(reachInto(leg, dazed, foe.side == Side::Left), 5) << what << ": the foot does not reach him";
            }
        }
    }
}

// ---- Sounds ----

// The library keeps 16-bit samples unsigned, silence at 0x8000.
std::vector<int> samplesOf(const SAMPLE* s)
{
    std::vector<int> out(s->len);
    const unsigned short* data = static_cast<const unsigned short*>(s->data);
    for (unsigned long i = 0; i < s->len; ++i)
        out[i] = static_cast<int>(data[i]) - 0x8000;
    return out;
}

std::vector<SAMPLE*> allSamples()
{
    std::vector<SAMPLE*> out;
    for (const SampleAsset& a : sampleAssets)
        out.push_back(*a.handle);
    return out;
}

TEST(Sounds, NoneClipsAndEveryOneShotStartsAndEndsInSilence)
{
    for (SAMPLE* s : allSamples()) {
        ASSERT_EQ(16, s->bits) << nameOf(s);
        ASSERT_EQ(0, s->stereo) << nameOf(s);
        const std::vector<int> pcm = samplesOf(s);
        int peak = 0;
        for (int v : pcm)
            peak = std::max(peak, std::abs(v));
        EXPECT_LT(peak, 32767) << nameOf(s) << " reaches full scale";
        // A waveform cut flat at its peak was clipped before it was scaled down.
        int flat = 0;
        for (size_t i = 2; i < pcm.size(); ++i)
            flat += std::abs(pcm[i]) == peak && pcm[i] == pcm[i - 1] && pcm[i] == pcm[i - 2];
        EXPECT_EQ(0, flat) << nameOf(s) << " is flattened at its peak";
        if (s == bg_beat)
            continue;
        EXPECT_LE(std::abs(pcm.front()), 64) << nameOf(s) << " clicks as it starts";
        EXPECT_LE(std::abs(pcm.back()), 64) << nameOf(s) << " clicks as it ends";
    }
}

TEST(Sounds, TheBeatLoopsWithoutAJumpAtItsSeam)
{
    const std::vector<int> pcm = samplesOf(bg_beat);
    const size_t span = static_cast<size_t>(bg_beat->freq / 50);  // 20 ms either side of the seam
    ASSERT_GT(pcm.size(), 4 * span);
    // The loop's end followed by its start, as the mixer plays it, through a gentle low pass
    // (about 500 Hz) so the cymbals' hiss cannot hide a step under its own jitter.
    std::vector<double> smooth;
    double y = 0;
    for (size_t i = 0; i < 2 * span; ++i) {
        const int x = i < span ? pcm[pcm.size() - span + i] : pcm[i - span];
        y = i == 0 ? x : y + 0.133 * (x - y);
        smooth.push_back(y);
    }
    // The largest step in the last 20 ms before the seam (the filter settled), and across it.
    double before = 0, across = 0;
    for (size_t i = 40; i < span; ++i)
        before = std::max(before, std::abs(smooth[i] - smooth[i - 1]));
    for (size_t i = span; i < span + 4; ++i)
        across = std::max(across, std::abs(smooth[i] - smooth[i - 1]));
    EXPECT_LE(across, 1.5 * before + 8) << "the loop jumps from " << pcm.back() << " to " << pcm.front();
}

TEST(Sounds, CuesMatchInLoudnessAtTheVolumesTheGamePlaysThem)
{
    // Each sample at the quietest of the game's cues that play it, in the channel the cue leans
    // toward (the mixer gives a voice panned off centre up to twice its volume there).
    auto heard = [](SAMPLE* sample) {
        int volume = 256;
        for (const CueSound& c : cueSounds)
            if (*c.sample == sample)
                volume = std::min(volume, nearChannel(c.volume, c.pan));
        EXPECT_LE(volume, 255) << nameOf(sample) << " is never played";
        std::vector<double> pcm;
        for (int v : samplesOf(sample))
            pcm.push_back(v / 32768.0);
        return level::toDb(level::meanSquare(pcm)) + 20 * std::log10(volume / 255.0);
    };
    SAMPLE* const blows[] = {prepareToDie, gruntFX, gunShotFX, gunShot_2FX, swordClashFX, carnageShotFX, enemyDeathFX};
    SAMPLE* const small[] = {evadeFX, gunCockFX};
    double quietest = 1e9, loudest = -1e9;
    std::string levels;
    for (SAMPLE* s : blows) {
        quietest = std::min(quietest, heard(s));
        loudest = std::max(loudest, heard(s));
        levels += " " + nameOf(s) + " " + std::to_string(heard(s));
    }
    EXPECT_LE(loudest - quietest, 3.0) << "the blows, shots and voices are heard at" << levels;
    for (SAMPLE* s : small) {
        EXPECT_LE(heard(s), quietest) << nameOf(s) << " is louder than a blow";
        EXPECT_GE(heard(s), loudest - 6.0) << nameOf(s) << " is lost under the blows";
    }
    const double beat = heard(bg_beat);
    EXPECT_LE(beat, quietest - 6.0) << "the beat is not well under the cues";
    for (SAMPLE* s : small)
        EXPECT_LE(beat, heard(s) - 6.0) << "the beat covers " << nameOf(s);
}

} // namespace
