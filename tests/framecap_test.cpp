// The frame cap: when each capped frame may start, and the wait itself.

#include <gtest/gtest.h>

#include <chrono>

#include "platform/pace.h"

namespace {

using namespace std::chrono_literals;
using Clock = FramePace::Clock;

TEST(FrameCap, FramesAreSpacedEvenlyAndALateLoopStartsAfresh)
{
    FramePace pace;
    pace.interval = 10ms;
    const Clock::time_point t0 = Clock::now();
    // The first frame waits for nothing; then every frame finished early waits for its turn.
    EXPECT_EQ(t0, pace.next(t0));
    EXPECT_EQ(t0 + 10ms, pace.next(t0 + 2ms));
    EXPECT_EQ(t0 + 20ms, pace.next(t0 + 13ms));
    // A frame that took longer than its turn: the next one may start at once, at its own turn.
    EXPECT_EQ(t0 + 30ms, pace.next(t0 + 35ms));
    EXPECT_EQ(t0 + 40ms, pace.next(t0 + 49ms));
    // More than a whole interval behind: no rush of frames to catch up, the spacing starts again.
    EXPECT_EQ(t0 + 120ms, pace.next(t0 + 120ms));
    EXPECT_EQ(t0 + 130ms, pace.next(t0 + 121ms));
    // The pause's rest, longer than a turn, holds the loop for the whole rest; shorter, for the turn.
    EXPECT_EQ(t0 + 155ms, pace.next(t0 + 130ms, 25ms));
    EXPECT_EQ(t0 + 165ms, pace.next(t0 + 156ms, 2ms));
    FramePace uncapped;
    EXPECT_EQ(t0 + 10ms, uncapped.next(t0, 10ms));
}

TEST(FrameCap, TheWaitLastsUntilTheFramesTurnAndNoWaitWithoutACap)
{
    auto twentyFrames = [] {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < 20; ++i)
            frameDone();
        return Clock::now() - start;
    };
    capFrames(100);
    // The first frame does not wait: nineteen turns of 10 ms at least, however busy the machine,
    // and not twenty turns of twice that.
    const Clock::duration capped = twentyFrames();
    EXPECT_GE(capped, 190ms);
    EXPECT_LT(capped, 300ms);
    capFrames(0);
    EXPECT_LT(twentyFrames(), 50ms) << "without a cap the loops never wait";
}

} // namespace
