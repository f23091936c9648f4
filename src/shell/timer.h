#pragma once

#include <atomic>

// The frame clock. Two timer callbacks raise the counters; the game thread only reads the
// hundredths and tests and lowers the logic ticks.
class CTimer {
public:
    // Installs both callbacks (35 logic ticks and 100 hundredths a second) and zeroes the counters.
    int Init();
    // Drops any pending logic ticks.
    void RestartLogicTimer();
    // True while logic ticks are pending, so it is not yet time to draw.
    bool NotRenderingNow();
    // Consumes one logic tick.
    void NoteFrameTime();
};

// The two timer callbacks: each only adds one to its counter.
void CounterUpdate();
void HSecCounterUpdate();

// The hundredths counter as a plain number, read afresh at every call.
int hundredthsNow();

// Logic ticks counted and not yet consumed (raised 35 times a second on the timer thread).
extern std::atomic<int> g_counter;
// Hundredths of a second since the clock started: every time stamp is a value of it.
extern std::atomic<int> g_hSecCounter;
// The one frame clock.
extern CTimer timer;
