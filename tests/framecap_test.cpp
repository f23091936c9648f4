// The frame cap: --fps on the command line, when each capped frame may start, and the wait itself.

#include <gtest/gtest.h>

#include <chrono>

#include "commandline/options.h"
#include "platform/pace.h"

namespace {

using namespace std::chrono_literals;
using Clock = FramePace::Clock;

TEST(FrameCap, TheCommandLineTakesACapWithinItsBounds)
{
    struct Case {
        std::vector<std::string> args;
        int status, frames;
        const char* errHas;
    };
    // clang-format off
    const Case cases[] = {
        //  args                               status frames  stderr has
        {{},                                   0,     0,      ""},
        {{"--fps", "60"},                      0,     60,     ""},
        {{"--fps=120", "--speed", "70"},       0,     120,    ""},
        {{"--fps", "10"},                      0,     10,     ""},
        {{"--fps", "1000"},                    0,     1000,   ""},
        {{"--fps", "9"},                       2,     0,      "--fps 9: the frames a second must be a whole number from 10 to 1000"},
        {{"--fps", "1001"},                    2,     0,      "from 10 to 1000"},
        {{"--fps", "0"},                       2,     0,      "from 10 to 1000"},
        {{"--fps", "60.5"},                    2,     0,      "from 10 to 1000"},
        {{"--fps"},                            2,     0,      "--fps needs a value"},
        {{"--fps", "60", "--speed", "55"},     2,     0,      "the speed must be"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front() + " ...";
        EXPECT_EQ(c.status, line.status) << shown;
        EXPECT_EQ(c.status == 0, line.play) << shown;
        if (c.status == 0) {
            EXPECT_EQ(c.frames, line.framesPerSecond) << shown;
        }
        EXPECT_NE(std::string::npos, line.err.find(c.errHas)) << shown << ": " << line.err;
    }
    EXPECT_NE(std::string::npos, parseCommandLine({"--help"}).out.find("--fps N")) << "the help names the option";
}

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
