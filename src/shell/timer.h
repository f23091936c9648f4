#pragma once

// The frame clock. Two timer callbacks raise the counters declared in shell.h;
// the game thread only reads the hundredths and tests and lowers the logic ticks.
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
