// ryke_bot: the bot plays bouts headless. Run it from the folder that holds images/ and sound/.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <vector>

#include "bot/bot.h"
#include "bot/curve.h"
#include "replay/runner.h"

namespace {

const char usage[] =
    "usage: ryke_bot bout REACTION_MS SLIP SEED [SPEED]  one bout: every press the bot makes and every blow\n"
    "       ryke_bot curve BOUTS REACTIONS_MS SLIPS [FIRST_SEED]\n"
    "                                                    the curve as TSV; REACTIONS_MS and SLIPS are\n"
    "                                                    comma-separated lists (100,200,300 and 0,0.1)\n"
    "       ryke_bot blows BOUTS REACTION_MS SLIP        every blow that reached the hero, counted\n"
    "       ryke_bot thresholds BOUTS SPEEDS SLIPS       the slowest reaction that still wins most bouts, as\n"
    "                                                    TSV, for each assist speed (100,50) and slip rate\n";

template <class T>
std::vector<T> listOf(const std::string& text, T (*parse)(const char*))
{
    std::vector<T> values;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        values.push_back(parse(item.c_str()));
    return values;
}

// Every blow that reached the hero over many bouts, counted by who dealt it and what he was
// doing, and where in its line the enemy stood.
int blows(int bouts, int reactionMs, double slip)
{
    BotSettings settings;
    settings.reactionMs = reactionMs;
    settings.slipRate = slip;
    std::map<std::string, int> counts, fatal;
    int total = 0;
    for (int i = 0; i < bouts; ++i) {
        const BoutResult r = playBout(settings, static_cast<unsigned>(i + 1));
        for (std::size_t b = 0; b < r.blows.size(); ++b) {
            const Blow& blow = r.blows[b];
            const std::string what = std::string(blow.fromBehind ? "behind " : "front  ") + blow.kind + " " +
                                     blow.height + (blow.opening ? " opening" : "") +
                                     (blow.atFloor ? " at the floor" : " early") + ", hero " + blow.heroWas;
            ++counts[what];
            ++total;
            if (r.died && b + 1 == r.blows.size())
                ++fatal[what];
        }
    }
    for (const auto& [what, n] : counts)
        std::printf("%5d %5d  %s\n", n, fatal[what], what.c_str());
    std::printf("%5d blows in %d bouts (second column: the last blow of a death)\n", total, bouts);
    return 0;
}

int curve(int bouts, const std::string& reactions, const std::string& slips, unsigned first)
{
    std::vector<CurvePoint> points;
    for (const double slip : listOf<double>(slips, std::atof))
        for (const int reaction : listOf<int>(reactions, std::atoi)) {
            BotSettings settings;
            settings.reactionMs = reaction;
            settings.slipRate = slip;
            points.push_back(measure(settings, bouts, first));
        }
    writeCurve(std::cout, points);
    return 0;
}

// The reactions searched: quick enough for a trained player's best, slow enough for anyone.
constexpr int quickestMs = 100, slowestMs = 800, stepMs = 10;

int thresholds(int bouts, const std::string& speeds, const std::string& slips)
{
    std::vector<Threshold> found;
    for (const double slip : listOf<double>(slips, std::atof))
        for (const int speed : listOf<int>(speeds, std::atoi)) {
            BotSettings settings;
            settings.speedPercent = speed;
            settings.slipRate = slip;
            found.push_back(slowestWinning(settings, bouts, quickestMs, slowestMs, stepMs));
        }
    writeThresholds(std::cout, found);
    return 0;
}

const char* sideName(Side s) { return s == Side::left ? "L" : s == Side::right ? "R" : "-"; }
const char* kindName(Kind k) { return k == Kind::sword ? "sword" : k == Kind::gun ? "gun" : k == Kind::hero ? "hero" : "-"; }
const char* heightName(Height h) { return h == Height::high ? "hi" : h == Height::low ? "lo" : ""; }

int bout(int reactionMs, double slip, unsigned seed, int speed)
{
    BotSettings settings;
    settings.speedPercent = speed;
    settings.reactionMs = reactionMs;
    settings.slipRate = slip;
    int frame = 0;
    const BoutResult r = playBout(settings, seed, [&](const View& v, Action done) {
        ++frame;
        if (done == Action::none)
            return;
        std::printf("t=%d saw@%d face=%s hero=%s front=%s,%s%s@%d back=%s,%s%s@%d life=%d pips=%d kills=%d -> %s\n",
                    v.at + 0, v.at, sideName(v.facing), poseName(v.hero.pose), kindName(v.front.kind),
                    poseName(v.front.pose), heightName(v.front.height), v.front.since, kindName(v.back.kind),
                    poseName(v.back.pose), heightName(v.back.height), v.back.since, v.life, v.pips, v.kills,
                    actionName(done));
    });
    for (const Blow& b : r.blows)
        std::printf("blow t=%d %s[%d] %s %s%s hero was %s, life %d\n", b.at, b.line ? "R" : "L", b.index,
                    b.kind.c_str(), b.height.c_str(), b.fromBehind ? " from behind" : "", b.heroWas.c_str(),
                    b.lifeAfter);
    std::printf("kills %d%s at %d; floors at %d,%d kills; %d presses, %d slips\n", r.kills,
                r.won ? ", won" : r.died ? ", died" : ", stopped", r.endedAt, r.floorKills[0], r.floorKills[1],
                r.presses, r.slips);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    const bool known = (command == "bout" && (argc == 5 || argc == 6)) || (command == "blows" && argc == 5) ||
                       (command == "curve" && (argc == 5 || argc == 6)) || (command == "thresholds" && argc == 5);
    if (!known) {
        std::cerr << usage;
        return 2;
    }
    std::string error;
    if (!startHeadless(error)) {
        std::cerr << "ryke_bot: " << error << "\n";
        return 2;
    }
    if (command == "blows")
        return blows(std::atoi(argv[2]), std::atoi(argv[3]), std::atof(argv[4]));
    if (command == "thresholds")
        return thresholds(std::atoi(argv[2]), argv[3], argv[4]);
    if (command == "curve")
        return curve(std::atoi(argv[2]), argv[3], argv[4], argc == 6 ? static_cast<unsigned>(std::atoi(argv[5])) : 1u);
    return bout(std::atoi(argv[2]), std::atof(argv[3]), static_cast<unsigned>(std::atoi(argv[4])),
                argc == 6 ? std::atoi(argv[5]) : 100);
}
