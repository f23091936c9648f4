#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <allegro.h>

#include "assist/speeds.h"
#include "shell/timer.h"

// The timer thread raises both counters while the game thread consumes logic ticks and reads
// the hundredths; every increment must survive the race (and ThreadSanitizer must stay quiet).
TEST(Clock, CountersSurviveTheTimerThreadRacingTheGameThread)
{
    g_counter = 0;
    g_hSecCounter = 0;
    constexpr int ticks = 200000;
    std::thread timerThread([] {
        for (int i = 0; i < ticks; ++i) {
            CounterUpdate();
            HSecCounterUpdate();
        }
    });
    int consumed = 0;
    int lastSeen = 0;
    while (consumed < ticks) {
        while (timer.NotRenderingNow()) {
            timer.NoteFrameTime();
            ++consumed;
        }
        const int seen = hundredthsNow();
        ASSERT_GE(seen, lastSeen) << "the hundredths never run backwards";
        lastSeen = seen;
    }
    timerThread.join();
    EXPECT_EQ(ticks, consumed);
    EXPECT_EQ(0, g_counter.load());
    EXPECT_EQ(ticks, hundredthsNow());
}

// The callbacks' intervals in the library's units (1 193 181 a second): full speed keeps the
// exact 35 a second and 10 ms, and each assist speed stretches both by the same factor.
TEST(Clock, AssistSpeedsStretchBothIntervalsAlike)
{
    struct Case {
        int percent, tickUnits, hundredthUnits;
    };
    for (const Case c : {Case{100, 34090, 11930}, Case{90, 37877, 13255}, Case{80, 42612, 14912},
                         Case{70, 48700, 17042}, Case{60, 56816, 19883}, Case{50, 68180, 23860}}) {
        EXPECT_EQ(c.tickUnits, unitsAtSpeed(BPS_TO_TIMER(35), c.percent)) << c.percent;
        EXPECT_EQ(c.hundredthUnits, unitsAtSpeed(MSEC_TO_TIMER(10), c.percent)) << c.percent;
    }
    EXPECT_EQ(100, assistSpeed()) << "full speed until one is chosen";
    setAssistSpeed(55);
    EXPECT_EQ(100, assistSpeed()) << "only an offered speed is taken";
}

// The library's real timer needs the window system, so these run only where a display is.
struct RealRate {
    double hundredths, ticks; // a second
};
RealRate measureRealClock(int percent)
{
    EXPECT_EQ(0, allegro_init());
    install_timer();
    setAssistSpeed(percent);
    const auto start = std::chrono::steady_clock::now();
    timer.Init();
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));
    const int hundredths = hundredthsNow(), ticks = g_counter.load();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    allegro_exit();
    setAssistSpeed(100);
    return {hundredths / seconds, ticks / seconds};
}

TEST(Clock, TheRealTimerGivesAHundredHundredthsAndThirtyFiveTicksASecondAndHalfThatAtHalfSpeed)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "the library's timer needs a display";
    const RealRate full = measureRealClock(100);
    EXPECT_NEAR(100.0, full.hundredths, 4.0);
    EXPECT_NEAR(35.0, full.ticks, 1.5);
    const RealRate half = measureRealClock(50);
    std::printf("at 50%%: %.2f hundredths and %.2f ticks a second\n", half.hundredths, half.ticks);
    EXPECT_NEAR(50.0, half.hundredths, 2.0);
    EXPECT_NEAR(17.5, half.ticks, 0.8);
    EXPECT_NEAR(half.hundredths / half.ticks, 100.0 / 35.0, 0.15) << "both clocks slow alike";
}
