#pragma once
// The frame cap the player may choose: the title, the bout and the pause then draw at most so
// many frames a second and sleep in between. Without it the loops never wait. Only the drawing is
// paced: the logic ticks keep counting on the timer thread, and the frame loop takes every tick
// that came meanwhile before its next frame.

#include <chrono>

// When each frame may start under a cap: evenly spaced; a loop that has fallen more than one
// interval behind starts the spacing afresh instead of hurrying the frames after it.
struct FramePace {
    using Clock = std::chrono::steady_clock;
    Clock::duration interval{}; // zero: no cap
    Clock::time_point due{};    // when the frame last drawn was due to start

    // When the next frame may start, the last one having been drawn by `now`.
    Clock::time_point next(Clock::time_point now)
    {
        due += interval;
        if (due < now - interval)
            due = now;
        return due;
    }
};

// Draws at most this many frames a second from now on; 0 lifts the cap.
void capFrames(int perSecond);
// Called once per drawn frame: sleeps until the next frame is due under the cap, or returns at
// once without one.
void awaitNextFrame();
