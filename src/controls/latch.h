#pragma once
// A key read as presses rather than as a state: held down, it counts once, and again only after it
// has been seen released. held is the latch's memory of the last key state it saw.

// Whether a key seen down now is a new press; remembers what it saw in held for the next call.
inline bool pressedNow(bool& held, bool down)
{
    const bool fresh = down && !held;
    held = down;
    return fresh;
}
