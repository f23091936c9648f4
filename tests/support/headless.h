#pragma once
// A headless stage for the game: the library without a system driver, 32-bit colour, a
// 1024 x 768 memory bitmap standing in for the screen, and every asset loaded from the repo.
// Tests drive the hundredths counter and key[] themselves; no timer runs. What reaches the
// library (sprites, sounds, text) is recorded at the last call.

#include <gtest/gtest.h>

#include "replay/recorder.h"
#include "replay/runner.h"

// Destroys every loaded sound and picture and the back buffer, before the assets are loaded again.
void releaseAssets();

// Puts the world back as the program starts a bout: counters 0, no key down, the default
// rand() sequence, fresh fighters and lines, and nothing recorded.
class Stage : public ::testing::Test {
protected:
    void SetUp() override;
    // Fails the test if the game drew with a library entry the recorder does not see.
    void TearDown() override;

    std::vector<DrawCall>& paints = drawCalls;
    std::vector<SoundCall>& cues = soundCalls;
    void clearLogs() { clearRecords(); }
    // Presses or releases a key by its library code (KEY_K, KEY_ESC, ...).
    void press(int keyCode);
    void release(int keyCode);
    void releaseAll();
};
