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
