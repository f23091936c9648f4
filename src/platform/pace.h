#pragma once
// The loops' pace: the title, the bout and the pause call frameDone once a drawn frame. Without
// a cap on a desktop it returns at once (the loops never wait); with the frame cap the player may
// choose it sleeps until the next frame's turn. In the browser it always gives way too: the page
// has a single thread, the browser's own, which must get its turn to run the page's events,
// timers and drawing. Only the drawing is paced: the logic ticks keep counting on the timer, and
// the frame loop takes every tick that came meanwhile before its next frame.

#include <algorithm>
#include <chrono>

// When the loop may go on: frames evenly spaced under a cap; a loop that has fallen more than one
// interval behind starts the spacing afresh instead of hurrying the frames after it.
struct FramePace {
    using Clock = std::chrono::steady_clock;
    Clock::duration interval{}; // zero: no cap
    Clock::time_point due{};    // when the frame last drawn was due to start

    // Afresh, at most perSecond frames a second; 0 lifts the cap.
    void cap(int perSecond)
    {
        *this = {};
        if (perSecond > 0)
            interval = std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / perSecond;
    }

    // The last frame having been drawn by `now`, and the loop wanting at least `rest` of quiet.
    Clock::time_point next(Clock::time_point now, Clock::duration rest = {})
    {
        if (interval == Clock::duration::zero())
            return now + rest;
        due += interval;
        if (due < now - interval)
            due = now;
        // A rest longer than the turn starts the spacing again from its end.
        if (rest > Clock::duration::zero())
            due = std::max(due, now + rest);
        return due;
    }
};

// The frame caps a player may choose: fewer than 10 frames a second would leave frames further
// apart than the game is tested at.
constexpr int fewestFrames = 10;
constexpr int mostFrames = 1000;

// Draws at most this many frames a second from now on; 0 lifts the cap.
void capFrames(int perSecond);
// Once a drawn frame: waits for the next frame's turn under the cap, and at least `restMs` (the
// pause, where nothing moves, asks for some), by sleeping. Without either it returns at once but
// in the browser, where it still gives the page its turn.
void frameDone(int restMs = 0);
