#include "bot/curve.h"

#include <algorithm>
#include <ostream>

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

CurvePoint measure(const BotSettings& settings, int bouts, unsigned first)
{
    CurvePoint point;
    point.reactionMs = settings.reactionMs;
    point.slipRate = settings.slipRate;
    point.bouts = bouts;
    std::vector<double> kills, floors[2], fatalIndex;
    for (int i = 0; i < bouts; ++i) {
        const BoutResult r = playBout(settings, first + static_cast<unsigned>(i));
        kills.push_back(r.kills);
        point.wins += r.won;
        for (int line = 0; line < 2; ++line)
            if (r.floorKills[line] >= 0)
                floors[line].push_back(r.floorKills[line]);
        if (r.died && !r.blows.empty()) {
            point.fatalFromBehind += r.blows.back().fromBehind;
            fatalIndex.push_back(r.blows.back().index);
        }
    }
    point.median = quantile(kills, 0.5);
    point.lowerQuartile = quantile(kills, 0.25);
    point.upperQuartile = quantile(kills, 0.75);
    point.fewest = static_cast<int>(*std::min_element(kills.begin(), kills.end()));
    point.most = static_cast<int>(*std::max_element(kills.begin(), kills.end()));
    for (int line = 0; line < 2; ++line)
        point.floorKills[line] = quantile(floors[line], 0.5);
    point.fatalIndex = quantile(fatalIndex, 0.5);
    return point;
}

void writeCurve(std::ostream& out, const std::vector<CurvePoint>& points)
{
    out << "reaction_ms\tslip\tbouts\tmedian\tq1\tq3\tmin\tmax\twins\tfloor_left\tfloor_right\t"
           "fatal_behind\tfatal_index\n";
    for (const CurvePoint& p : points)
        out << p.reactionMs << '\t' << p.slipRate << '\t' << p.bouts << '\t' << p.median << '\t' << p.lowerQuartile
            << '\t' << p.upperQuartile << '\t' << p.fewest << '\t' << p.most << '\t' << p.wins << '\t'
            << p.floorKills[0] << '\t' << p.floorKills[1] << '\t' << p.fatalFromBehind << '\t' << p.fatalIndex
            << '\n';
}

Threshold slowestWinning(const BotSettings& settings, int bouts, int quickestMs, int slowestMs, int stepMs)
{
    Threshold t;
    t.speedPercent = settings.speedPercent;
    t.slipRate = settings.slipRate;
    t.bouts = bouts;
    const auto winsAt = [&](int step) {
        BotSettings s = settings;
        s.reactionMs = quickestMs + step * stepMs;
        return measure(s, bouts).wins;
    };
    // Steps below `good` win most bouts (or lie below the range); steps from `bad` on lose most.
    int good = -1, bad = (slowestMs - quickestMs) / stepMs + 1;
    int winsGood = 0, winsBad = 0;
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        const int wins = winsAt(middle);
        if (2 * wins > bouts)
            good = middle, winsGood = wins;
        else
            bad = middle, winsBad = wins;
    }
    if (good >= 0) {
        t.slowestMs = quickestMs + good * stepMs;
        t.winsThere = winsGood;
    }
    t.winsOneStepSlower = winsBad;
    return t;
}

void writeThresholds(std::ostream& out, const std::vector<Threshold>& thresholds)
{
    out << "speed_percent\tslip\tbouts\tslowest_winning_ms\twins_there\twins_one_step_slower\n";
    for (const Threshold& t : thresholds)
        out << t.speedPercent << '\t' << t.slipRate << '\t' << t.bouts << '\t' << t.slowestMs << '\t' << t.winsThere
            << '\t' << t.winsOneStepSlower << '\n';
}
