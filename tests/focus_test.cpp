// The pause that follows the focus: a key pressed in the window shows that it has the focus,
// whatever focus change the library missed.

#include <allegro.h>

#include "pause/pause.h"
#include "support/headless.h"

namespace {

class FocusPause : public Stage {
protected:
    void TearDown() override
    {
        releaseAll();
        windowFocused = true;
        endPause();
        Stage::TearDown();
    }
};

TEST_F(FocusPause, AKeyPressedInTheWindowEndsAFocusPauseAndAReleaseDoesNot)
{
    windowFocused = false;
    EXPECT_TRUE(updatePause());
    // The library lets go of every key as the focus leaves.
    noteKeyEvent(KEY_D | 0x80);
    EXPECT_TRUE(updatePause());
    noteKeyEvent(KEY_D);
    EXPECT_FALSE(updatePause()) << "a key reached the window: it has the focus";

    // P pressed to go on from a focus pause goes on, and does not pause by hand.
    windowFocused = false;
    EXPECT_TRUE(updatePause());
    press(KEY_P);
    noteKeyEvent(KEY_P);
    EXPECT_FALSE(updatePause());
    release(KEY_P);
    EXPECT_FALSE(updatePause());
    press(KEY_P);
    EXPECT_TRUE(updatePause()) << "the next P pauses";
    noteKeyEvent(KEY_D);
    EXPECT_TRUE(updatePause()) << "a key does not end a pause by hand";
}

} // namespace
