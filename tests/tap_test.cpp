// Taps shorter than a logic tick: a key that went down and up since the last tick acts once at
// the next, while the hero is free to act; one tapped while he is busy stays lost; a held key
// acts once, as ever.

#include <allegro.h>

#include <sstream>

#include "controls/input.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/timer.h"
#include "support/headless.h"

namespace {

class Taps : public Stage {
protected:
    // As the library's keyboard thread does: the key array, then the callback.
    void down(int code)
    {
        press(code);
        noteKeyChange(code);
    }
    void up(int code)
    {
        release(code);
        noteKeyChange(code | 0x80);
    }
};

TEST_F(Taps, ATapBetweenTwoTicksActsOnceAtTheNext)
{
    down(KEY_F);
    up(KEY_F); // key[] never shows it at a tick
    input();
    EXPECT_EQ(states::low, ryke.getAttackState()) << "facing left, F attacks low";
    ryke.returnNormal();
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "the tap acted once";

    // The release of the last press came while he was busy, unseen by the latch; the next press,
    // made once he is free, is still down at the first tick he may act in.
    down(KEY_F);
    input();
    up(KEY_F);
    ryke.setAttackState(states::low);
    input();
    ryke.returnNormal();
    down(KEY_F);
    input();
    EXPECT_EQ(states::low, ryke.getAttackState()) << "a new press, though the latch never saw the last one end";
    up(KEY_F);
}

TEST_F(Taps, ATapWhileTheHeroIsBusyIsLostAndAHeldKeyActsOnce)
{
    ryke.setAttackState(states::evade);
    down(KEY_D);
    up(KEY_D);
    input();
    ryke.returnNormal();
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "tapped while busy";

    down(KEY_D);
    input();
    EXPECT_EQ(states::high, ryke.getAttackState());
    ryke.returnNormal();
    noteKeyChange(KEY_D); // the keyboard repeating the held key
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "held, the key acted again";
    down(KEY_F);
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "a key pressed beside a held one let the held one act again";
    up(KEY_F);

    // Let go and pressed again while he is busy, and held into the first tick he is free: as
    // before, the latch has not seen the key up while he could act.
    ryke.setAttackState(states::high);
    up(KEY_D);
    down(KEY_D);
    input();
    ryke.returnNormal();
    input();
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "a press made while busy acted";
    up(KEY_D);
    input();
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
