#include "tally/card.h"

#include "names/names.h"

std::string blowWords(const Blow& blow)
{
    const bool gun = blow.kind == kinds::gun;
    return std::string(gun ? "a gunman's " : "a swordsman's ") + (blow.height == states::high ? "high " : "low ") +
           (gun ? "shot" : "blow") + (blow.fromBehind ? ", from behind" : ", from the front");
}

std::string survived(int hundredths, int speedPercent)
{
    // At a lower speed the clock counts fewer hundredths to a second.
    const long long seconds = static_cast<long long>(hundredths) / speedPercent;
    const long long rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::vector<std::string> cardLines(const BoutTally& t, int kills, int speedPercent, int bestBefore)
{
    const std::string speed = std::to_string(speedPercent) + "%";
    const std::string blow = blowWords(t.killingBlow);
    const std::size_t comma = blow.find(", ");
    return {"Killed by " + blow.substr(0, comma + 1), blow.substr(comma + 2),
            "Kills: " + std::to_string(kills),
            "Time survived: " + survived(t.diedAt - t.startedAt, speedPercent),
            "Clashes won: " + std::to_string(t.clashes),
            "Kicks that stunned: " + std::to_string(t.stuns),
            "Carnage shots fired: " + std::to_string(t.shotsFired) + " of " + std::to_string(t.shotsEarned),
            kills > bestBefore ? "New best at " + speed + "!"
                               // No kill is no best, as the title says below the card.
                               : "Best at " + speed + ": " + (bestBefore ? std::to_string(bestBefore) : "none yet")};
}
