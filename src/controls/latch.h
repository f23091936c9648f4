#pragma once
// A key read as presses rather than as a state: held down, it counts once, and again only after it
// has been seen released.

struct PressLatch {
    bool held = false;

    // Whether a key seen down now is a new press; remembers what it saw for the next call.
    bool pressed(bool down)
    {
        const bool fresh = down && !held;
        held = down;
        return fresh;
    }
};
