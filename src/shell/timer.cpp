#include "assist/speeds.h"
#include "shell/timer.h"

#include <allegro.h>

// The counters are touched by the timer thread, so they are atomics; relaxed ordering is
// enough because nothing else is published through them.
std::atomic<int> g_counter{0};
std::atomic<int> g_hSecCounter{0};
CTimer timer;

namespace {
std::atomic<bool> clockStopped{false};
int speedPercent = fullSpeed;

// Installing a callback that is already installed only changes its speed.
void installCallbacks()
{
    install_int_ex(CounterUpdate, unitsAtSpeed(BPS_TO_TIMER(35), speedPercent));
    install_int_ex(HSecCounterUpdate, unitsAtSpeed(MSEC_TO_TIMER(10), speedPercent));
}
} // namespace

void CounterUpdate()
{
    if (!clockStopped.load(std::memory_order_relaxed))
        g_counter.fetch_add(1, std::memory_order_relaxed);
}
END_OF_FUNCTION(CounterUpdate)

void HSecCounterUpdate()
{
    if (!clockStopped.load(std::memory_order_relaxed))
        g_hSecCounter.fetch_add(1, std::memory_order_relaxed);
}
END_OF_FUNCTION(HSecCounterUpdate)

int CTimer::Init()
{
    LOCK_FUNCTION(CounterUpdate);
    LOCK_FUNCTION(HSecCounterUpdate);
    LOCK_VARIABLE(clockStopped);
    installCallbacks();
    g_counter.store(0, std::memory_order_relaxed);
    g_hSecCounter.store(g_counter.load(std::memory_order_relaxed), std::memory_order_relaxed);
    return 0;
}

void CTimer::TakeSpeed() { installCallbacks(); }

void CTimer::RestartLogicTimer() { g_counter.store(0, std::memory_order_relaxed); }

bool CTimer::NotRenderingNow() { return g_counter.load(std::memory_order_relaxed) > 0; }

void CTimer::NoteFrameTime() { g_counter.fetch_sub(1, std::memory_order_relaxed); }

int hundredthsNow() { return g_hSecCounter.load(std::memory_order_relaxed); }

int assistSpeed() { return speedPercent; }

void setAssistSpeed(int percent)
{
    if (!isAssistSpeed(percent))
        return;
    speedPercent = percent;
}

// Longer intervals by the inverse of the speed; whole units, so full speed keeps its exact values.
int unitsAtSpeed(int fullSpeedUnits, int percent)
{
    return static_cast<int>(static_cast<long long>(fullSpeedUnits) * fullSpeed / percent);
}

void stopClock(bool stopped) { clockStopped.store(stopped, std::memory_order_relaxed); }
