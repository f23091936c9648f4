// Taps shorter than a logic tick: a key that went down and up since the last tick acts once at
// the next, while the hero is free to act; one tapped while he is busy stays lost; a held key
// acts once, as ever.

#include <allegro.h>

#include <sstream>

#include "controls/input.h"
#include "fighters/names.h"
#include "fighters/player.h"
#include "shell/timer.h"
#include "support/headless.h"

namespace {

class Taps : public Stage {};

TEST_F(Taps, ATapBetweenTwoTicksActsOnceAtTheNext)
{
    noteKeyDown(KEY_F); // down and up again: key[] never shows it
    input();
    EXPECT_EQ(states::low, ryke.getAttackState()) << "facing left, F attacks low";
    ryke.returnNormal();
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "the tap acted once";
}

TEST_F(Taps, ATapWhileTheHeroIsBusyIsLostAndAHeldKeyActsOnce)
{
    ryke.setAttackState(states::evade);
    noteKeyDown(KEY_D);
    input();
    ryke.returnNormal();
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState());
    press(KEY_D);
    noteKeyDown(KEY_D);
    input();
    EXPECT_EQ(states::high, ryke.getAttackState());
    ryke.returnNormal();
    noteKeyDown(KEY_D); // the keyboard repeating a held key
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "held, the key acted again";
}

TEST_F(Taps, TheBoutRunnerPlaysATapBetweenTwoFrames)
{
    // Frames 40 ms apart; J goes down at 1210 ms and up at 1220 ms, both before the frame at 1240.
    std::istringstream text("frames every 40\ntap 121 J 1\nuntil 140\n");
    BoutScript script;
    std::string error;
    ASSERT_TRUE(readScript(text, script, error)) << error;
    RunOptions options;
    options.draw = false;
    int kickedAt = -1;
    options.afterFrame = [&kickedAt](int) {
        if (kickedAt < 0 && ryke.getAttackState() == states::lowKick)
            kickedAt = hundredthsNow();
    };
    runBout(script, options);
    EXPECT_EQ(124, kickedAt) << "facing left, J kicks low behind him";
}

} // namespace
