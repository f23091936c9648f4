#include "shell/timer.h"

#include <allegro.h>

// The counters are touched by the timer thread, so they are atomics; relaxed ordering is
// enough because nothing else is published through them.
std::atomic<int> g_counter{0};
std::atomic<int> g_hSecCounter{0};
CTimer timer;

void CounterUpdate() { g_counter.fetch_add(1, std::memory_order_relaxed); }
END_OF_FUNCTION(CounterUpdate)

void HSecCounterUpdate() { g_hSecCounter.fetch_add(1, std::memory_order_relaxed); }
END_OF_FUNCTION(HSecCounterUpdate)

int CTimer::Init()
{
    LOCK_FUNCTION(CounterUpdate);
    LOCK_FUNCTION(HSecCounterUpdate);
    install_int_ex(CounterUpdate, BPS_TO_TIMER(35));
    install_int_ex(HSecCounterUpdate, MSEC_TO_TIMER(10));
    g_counter.store(0, std::memory_order_relaxed);
    g_hSecCounter.store(g_counter.load(std::memory_order_relaxed), std::memory_order_relaxed);
    return 0;
}

void CTimer::RestartLogicTimer() { g_counter.store(0, std::memory_order_relaxed); }

bool CTimer::NotRenderingNow() { return g_counter.load(std::memory_order_relaxed) > 0; }

void CTimer::NoteFrameTime() { g_counter.fetch_sub(1, std::memory_order_relaxed); }

int hundredthsNow() { return g_hSecCounter.load(std::memory_order_relaxed); }
