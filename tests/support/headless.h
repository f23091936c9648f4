#pragma once
// A headless stage for the game: the library without a system driver, 32-bit colour, a
// 1024 x 768 memory bitmap standing in for the screen, and every asset loaded from the repo.
// Tests drive the hundredths counter and key[] themselves; no timer runs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/cue.h"
#include "screen/paint.h"

// Sets the hundredths counter, as the timer thread would have.
void setNow(int hundredths);

// Checks both lines' counters and pointers against what an advance promises (gtest failures).
void expectLineInvariants(const std::string& when);

// Puts the world back as the program starts it: counters 0, no key down, the default rand()
// sequence, fresh fighters and lines, and empty logs of what was drawn and heard.
class Stage : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every cue and every sprite since SetUp (or since clearLogs).
    std::vector<CueRecord> cues;
    std::vector<PaintRecord> paints;
    void clearLogs();
    // Presses or releases a key by its library code (KEY_K, KEY_ESC, ...).
    void press(int keyCode);
    void release(int keyCode);
    void releaseAll();
};
