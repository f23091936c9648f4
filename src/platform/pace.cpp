#include "platform/pace.h"

#include <thread>

namespace {
FramePace pace;
}

void capFrames(int perSecond)
{
    pace.cap(perSecond);
}

void frameDone(int restMs)
{
    if (pace.interval == FramePace::Clock::duration::zero() && restMs == 0)
        return;
    // The sleep ends within a fraction of a millisecond of the time asked for on Linux.
    std::this_thread::sleep_until(pace.next(FramePace::Clock::now(), std::chrono::milliseconds(restMs)));
}
