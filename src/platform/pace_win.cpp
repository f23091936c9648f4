#include "platform/pace.h"

#include <windows.h>

#include <thread>

namespace {
FramePace pace;
bool fineTimer = false;
}

void capFrames(int perSecond)
{
    pace = {};
    if (perSecond <= 0)
        return;
    pace.interval = std::chrono::duration_cast<FramePace::Clock::duration>(std::chrono::seconds(1)) / perSecond;
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
