#include "platform/rest.h"

#include <chrono>
#include <thread>

// Nothing else shares the game's thread on a desktop: giving way is no wait at all.
void restFor(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
