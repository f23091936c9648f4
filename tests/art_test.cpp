// The pictures and sounds as the game uses them (the generator checks each picture alone):
// fighters standing on the ground line wherever the game places them, blows that land where the timeline
// says they land, and cues that neither clip nor drown one another at the game's volumes.

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "assetgen/level.h"
#include "assetgen/sounds.h"
#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
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

    // The screen places (column, row) of the pixels whose colour passes.
    std::vector<std::pair<int, int>> where(Palette colour) const
    {
        std::vector<std::pair<int, int>> out;
        for (int ly = 0; ly < sprite->h; ++ly)
            for (int lx = 0; lx < sprite->w; ++lx)
                if (colour(getpixel(sprite, lx, ly)))
                    out.push_back({mirrored ? x + sprite->w - 1 - lx : x + lx, y + ly});
        return out;
    }
};

bool opaque(int c) { return !isMask(c); }
// The lowest screen row holding a pixel of the palette, or -1.
int lowestRowOf(const Placed& p, Palette colour)
{
    int lowest = -1;
    for (const auto& [sx, sy] : p.where(colour))
        lowest = std::max(lowest, sy);
    return lowest;
}
// Each screen row's first and last opaque columns.
std::map<int, std::pair<int, int>> rowSpans(const Placed& p)
{
    std::map<int, std::pair<int, int>> spans;
    for (const auto& [sx, sy] : p.where(opaque)) {
        auto [at, fresh] = spans.try_emplace(sy, sx, sx);
        at->second = {std::min(at->second.first, sx), std::max(at->second.second, sx)};
    }
    return spans;
}
// The first and last opaque screen columns of the whole picture.
std::pair<int, int> columnsOf(const Placed& p)
{
    std::pair<int, int> span{1 << 20, -(1 << 20)};
    for (const auto& [row, s] : rowSpans(p))
        span = {std::min(span.first, s.first), std::max(span.second, s.second)};
    return span;
}

// How deep a striker's front reaches into a target beside it, in the deepest row both are drawn
// in: negative is the gap still between them.
int reachInto(const Placed& striker, const Placed& target, bool strikerOnRight)
{
    int deepest = -(1 << 20);
    const auto targetSpans = rowSpans(target);
    for (const auto& [row, s] : rowSpans(striker))
        if (const auto t = targetSpans.find(row); t != targetSpans.end())
            deepest = std::max(deepest, strikerOnRight ? t->second.second - s.first : s.second - t->second.first);
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
    void put(const Foe& foe, const char* state)
    {
        enemy& fresh = (foe.side == Side::Right ? enemies_R : enemies_L)[0];
        setNow(kThen);
        fresh = foe.kind == Kind::Sword ? enemy(standardSword()) : enemy(standardGun());
        fresh.setAttackState(state);
        fresh.stunDuration = fresh.stunBase;
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
    const int feet = lowestRowOf(p, limb);
    EXPECT_TRUE(feet >= kGroundY - 7 && feet <= kGroundY)
        << what << ": " << nameOf(p.sprite) << " has its feet " << kGroundY - feet << " px above the ground line";
}

TEST_F(ArtInPlace, EveryStandingPoseOfEachFighterHasItsFeetOnTheGroundLine)
{
    // Each window of each of the hero's moves; the dead lie down and are not among them.
    // clang-format off
    const std::pair<const char*, int> heroMoments[] = {
        {states::normal, 0},      {states::high, 15},       {states::high, 35},        {states::high, 42},
        {states::low, 15},        {states::low, 35},        {states::low, 42},         {states::low, 45},
        {states::highParry, 3},   {states::highParry, 20},  {states::highParry, 40},   {states::lowParry, 3},
        {states::lowParry, 20},   {states::lowParry, 40},   {states::evade, 15},       {states::carnageShot, 20},
        {states::carnageShot, 50}, {states::carnageShot, 60}, {states::highKick, 10},  {states::highKick, 25},
        {states::lowKick, 10},    {states::lowKick, 25},    {states::damaged, 5}};
    // clang-format on
    for (Side facing : {Side::Right, Side::Left})
        for (const auto& [state, e] : heroMoments)
            expectOnTheGround(hero(facing, state, e), heroLimb,
                              std::string(facing == Side::Right ? "facing right, " : "facing left, ") + state + " at e = " +
                                  std::to_string(e));
    for (const Foe& foe : foes) {
        ryke.setAttackState(states::evade);  // out of reach: the blows change nothing
        std::vector<std::pair<const char*, int>> moments = {{states::normal, 0}, {states::evade, 15}, {states::stunned, 10}};
        for (const char* height : {states::high, states::low})
            for (int e : {foe.timings.windUpEnds / 2, foe.timings.windUpEnds, foe.timings.bladeOutEnds, foe.timings.strikeEnds})
                moments.push_back({height, e});
        for (const auto& [state, e] : moments)
            expectOnTheGround(foeIn(foe, state, e), foe.limb, std::string(foe.name) + ", " + state + " at e = " + std::to_string(e));
    }
}

TEST_F(ArtInPlace, ABlowReachesTheHeroOnlyWhenItFallsAndASwordStopsAtHisMiddle)
{
    for (const Foe& foe : foes) {
        const Placed stand = hero(foe.side, states::normal, 0);
        const bool onRight = foe.side == Side::Right;
        std::vector<int> jacket;
        for (const auto& [sx, sy] : stand.where(heroJacket))
            jacket.push_back(sx);
        std::sort(jacket.begin(), jacket.end());
        const int middle = jacket[jacket.size() / 2];
        const int headRow = stand.where(opaque).front().second;
        const int hipRow = lowestRowOf(stand, heroJacket);  // his jacket ends at the hip
        ryke.setAttackState(states::evade);
        for (const char* height : {states::high, states::low}) {
            const std::string what = std::string(foe.name) + ", " + height;
            const Placed windUp = foeIn(foe, height, foe.timings.windUpEnds / 2);
            const Placed blow = foeIn(foe, height, foe.timings.bladeOutEnds);
            const auto span = columnsOf(blow);
            if (foe.kind == Kind::Sword) {
                EXPECT_LE(reachInto(windUp, stand, onRight), -20) << what << ": the wind-up comes within 20 px of him";
                EXPECT_GE(reachInto(blow, stand, onRight), 8) << what << ": the blow stops short of him";
                EXPECT_GE(onRight ? span.first - middle : middle - span.second, 0) << what << ": the blow goes through him";
                continue;
            }
            // A shot streaks to the edge of the picture nearest him, at the height of its name;
            // cocking, the gun points nowhere near him.
            const int nearColumn = onRight ? span.first : span.second;
            EXPECT_EQ(nearColumn, onRight ? blow.x : blow.x + blow.sprite->w - 1) << what << ": the shot stops short";
            std::vector<int> rows;
            for (const auto& [sx, sy] : blow.where(opaque))
                if (sx == nearColumn)
                    rows.push_back(sy);
            const int row = (rows.front() + rows.back()) / 2;
            EXPECT_GE(row, std::string(height) == states::high ? headRow : hipRow) << what << ": the shot flies too high";
            EXPECT_LT(row, std::string(height) == states::high ? hipRow : kGroundY + 1) << what << ": the shot flies too low";
            const auto cocked = columnsOf(windUp);
            EXPECT_GE(onRight ? cocked.first - windUp.x : windUp.x + windUp.sprite->w - 1 - cocked.second, 20)
                << what << ": cocking, something reaches the picture's edge";
        }
    }
}

TEST_F(ArtInPlace, TheHerosKicksReachTheEnemyBehindHim)
{
    for (const Foe& foe : foes)
        for (const char* kick : {states::highKick, states::lowKick}) {
            put(foe, states::normal);
            const Placed leg = hero(foe.side == Side::Right ? Side::Left : Side::Right, kick, 25);  // a kick goes backwards
            EXPECT_EQ(states::stunned, (foe.side == Side::Right ? currentEnemyRight : currentEnemyLeft)->attackState);
            EXPECT_GE(reachInto(leg, drawn(foe.timeline, 25), foe.side == Side::Left), 5)
                << kick << " at the " << foe.name << ": the foot does not reach him";
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

TEST(Sounds, NoneClipsAndEveryOneShotStartsAndEndsInSilence)
{
    for (const SampleAsset& a : sampleAssets) {
        SAMPLE* s = *a.handle;
        ASSERT_TRUE(s->bits == 16 && !s->stereo) << nameOf(s) << " is not 16-bit mono";
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
