#include "assist/speeds.h"

#include <iterator>

bool isAssistSpeed(int percent)
{
    for (const int speed : assistSpeeds)
        if (speed == percent)
            return true;
    return false;
}

int speedAfter(int speed, int steps)
{
    const int count = static_cast<int>(std::size(assistSpeeds));
    int at = 0;
    while (at < count && assistSpeeds[at] != speed)
        ++at;
    // The table runs fastest first, so a step faster is a step back in it.
    at = at - steps;
    return assistSpeeds[at < 0 ? 0 : at >= count ? count - 1 : at];
}

std::string speedChoices()
{
    std::string words;
    const std::size_t count = std::size(assistSpeeds);
    for (std::size_t i = 0; i < count; ++i)
        words += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::to_string(assistSpeeds[i]);
    return words;
}
