#include "pause/pause.h"

#include <allegro.h>

#include <chrono>

#include "controls/latch.h"
#include "controls/pad.h"
#include "platform/display.h"

std::atomic<bool> windowFocused{true};

namespace {
bool pausedByHand = false;
bool pHeld = false;
// Set when a key press gave the focus back: that press is not also a P that pauses.
std::atomic<bool> focusBackByKey{false};
// X's last answer, and when to ask again: a few times a second is enough for a pause.
KeyboardFocus lastAnswer = KeyboardFocus::unknown;
std::chrono::steady_clock::time_point nextQuestion;
constexpr std::chrono::milliseconds betweenQuestions{100};

void focusIn() { windowFocused.store(true); }
void focusOut() { windowFocused.store(false); }
} // namespace

void noteKeyEvent(int scancode)
{
    // A release may be the library letting go of the keys as the focus leaves; a press is not.
    if (!(scancode & 0x80) && !windowFocused.exchange(true))
        focusBackByKey.store(true);
}

void watchFocus()
{
    set_display_switch_mode(SWITCH_BACKGROUND);
    set_display_switch_callback(SWITCH_IN, focusIn);
    set_display_switch_callback(SWITCH_OUT, focusOut);
}

bool updatePause()
{
    // The library reports only the focus changes X sends our window, and with the focus following
    // the pointer it misses some or reports them late. So X is asked: keys that come here end a
    // focus pause whatever the library last said; keys going elsewhere pause once, when X first
    // says so (a key pressed in the window still ends that pause).
    const auto now = std::chrono::steady_clock::now();
    if (now >= nextQuestion) {
        nextQuestion = now + betweenQuestions;
        const KeyboardFocus answer = keyboardFocus();
        if (answer == KeyboardFocus::here)
            windowFocused.store(true);
        else if (answer == KeyboardFocus::elsewhere && lastAnswer != KeyboardFocus::elsewhere)
            windowFocused.store(false);
        lastAnswer = answer;
    }
    const bool byKey = focusBackByKey.exchange(false);
    // Both latches see every pass, so that each knows when its key was let go.
    const bool byP = pressedNow(pHeld, key[KEY_P] != 0) && !byKey;
    const bool byPad = pressedNow(padStartHeld, padStartDown());
    if (byP || byPad)
        pausedByHand = !pausedByHand;
    return pausedByHand || !windowFocused.load();
}

void endPause()
{
    pausedByHand = false;
    pHeld = false;
}
