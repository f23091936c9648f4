#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include <allegro.h>

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

TEST(Clock, PendingTicksMeanNotYetTimeToDraw)
{
    timer.RestartLogicTimer();
    EXPECT_FALSE(timer.NotRenderingNow());
    g_counter = -3; // a signed compare: below zero is not pending
    EXPECT_FALSE(timer.NotRenderingNow());
    g_counter = 0;
    for (int i = 0; i < 35; ++i)
        CounterUpdate(); // a second with nothing drawn
    int catchUp = 0;
    while (timer.NotRenderingNow()) {
        timer.NoteFrameTime();
        ++catchUp;
    }
    EXPECT_EQ(35, catchUp);
    g_counter = 12;
    timer.RestartLogicTimer();
    EXPECT_FALSE(timer.NotRenderingNow());
}

// The library's real timer needs the window system, so this runs only where a display is.
TEST(Clock, TheRealTimerGivesAHundredHundredthsAndThirtyFiveTicksASecond)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "the library's timer needs a display";
    ASSERT_EQ(0, allegro_init());
    install_timer();
    const auto start = std::chrono::steady_clock::now();
    timer.Init();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const int hundredths = hundredthsNow(), ticks = g_counter.load();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    allegro_exit();
    EXPECT_NEAR(100.0, hundredths / seconds, 4.0);
    EXPECT_NEAR(35.0, ticks / seconds, 1.5);
}
