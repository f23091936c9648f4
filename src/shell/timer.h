#pragma once

#include <atomic>

// The frame clock. Two timer callbacks raise the counters; the game thread only reads the
// hundredths and tests and lowers the logic ticks. At an assist speed below 100% both run
// slower by the same factor, and while the clock is stopped neither counts.
class CTimer {
public:
    // Installs both callbacks (35 logic ticks and 100 hundredths a second at full speed) and
    // zeroes the counters.
    int Init();
    // Makes the running callbacks take the assist speed now chosen; the counters go on.
    void TakeSpeed();
    // Drops any pending logic ticks.
    void RestartLogicTimer();
    // True while logic ticks are pending, so it is not yet time to draw.
    bool NotRenderingNow();
    // Consumes one logic tick.
    void NoteFrameTime();
};

// The two timer callbacks: each adds one to its counter, unless the clock is stopped.
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

// The assist speed the clock runs at (full speed until one is chosen).
int assistSpeed();
// Chooses the assist speed (one of assistSpeeds), which the clock takes at Init or TakeSpeed.
void setAssistSpeed(int percent);
// The library's timer units between two calls of a callback due every fullSpeedUnits at full speed.
int unitsAtSpeed(int fullSpeedUnits, int percent);

// Stops both counters, or lets them run again from where they stood: a pause costs no time.
void stopClock(bool stopped);
