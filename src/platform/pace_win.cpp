#include "platform/pace.h"

#include <windows.h>

#include <thread>

namespace {
FramePace pace;
bool fineTimer = false;
}

void capFrames(int perSecond)
{
    pace.cap(perSecond);
    if (perSecond <= 0)
        return;
    // Windows wakes a sleeper on its timer's tick, 15.6 ms by default: a frame at 60 a second
    // would wait one or two ticks. A 1 ms tick for the rest of the run, which Windows ends with it.
    if (!fineTimer)
        fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
}

void frameDone(int restMs)
{
    if (pace.interval == FramePace::Clock::duration::zero() && restMs == 0)
        return;
    std::this_thread::sleep_until(pace.next(FramePace::Clock::now(), std::chrono::milliseconds(restMs)));
}
