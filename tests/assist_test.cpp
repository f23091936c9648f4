// Help for the player: the pause (P, or the window losing the focus) that freezes the bout and
// its clock, the speed the arrows choose on the title, and the greeting of a new best.

#include <allegro.h>

#include <algorithm>

#include "assist/speeds.h"
#include "fighters/player.h"
#include "names/names.h"
#include "pause/pause.h"
#include "screen/frame.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/quit.h"
#include "shell/timer.h"
#include "shell/title.h"
#include "support/headless.h"

namespace {

class Pause : public Stage {
protected:
    void TearDown() override
    {
        releaseAll();
        windowFocused = true;
        endPause();
    }
    // One frame pass at hundredth t with the keys as they are; one logic tick pending.
    void passAt(int t)
    {
        setNow(t);
        g_counter = 1;
        clearLogs();
        framePass();
    }
    bool fightersDrawn() const
    {
        return std::any_of(drawCalls.begin(), drawCalls.end(), [](const DrawCall& d) { return d.isSprite(); });
    }
    // The paused sign's dark plate, in the sky above the fighters.
    bool signShown() const { return getpixel(buffer, 512, 230) == makecol(20, 8, 8); }
};

TEST_F(Pause, PStopsTheBoutAndTheClockUntilPressedAgain)
{
    passAt(10);
    ASSERT_TRUE(fightersDrawn());
    ASSERT_FALSE(signShown());

    press(KEY_P);
    passAt(20);
    EXPECT_FALSE(fightersDrawn()) << "no frame is composed while paused";
    EXPECT_TRUE(signShown());
    release(KEY_P);
    press(KEY_D); // facing left, a high attack
    passAt(30);
    EXPECT_EQ(states::normal, ryke.getAttackState()) << "no key acts while paused";
    EXPECT_EQ(1, g_counter.load()) << "the pending tick waits for the bout to go on";
    HSecCounterUpdate();
    CounterUpdate();
    EXPECT_EQ(30, hundredthsNow()) << "the clock counts nothing while paused";
    EXPECT_EQ(1, g_counter.load());
    release(KEY_D);

    press(KEY_P);
    passAt(40);
    EXPECT_TRUE(fightersDrawn()) << "a second press goes on";
    HSecCounterUpdate();
    EXPECT_EQ(41, hundredthsNow());
    press(KEY_D);
    passAt(50);
    EXPECT_TRUE(fightersDrawn()) << "P held down toggles once";
    EXPECT_EQ(states::high, ryke.getAttackState());

    release(KEY_P);
    passAt(60);
    press(KEY_P);
    passAt(70);
    press(KEY_ESC);
    passAt(80);
    EXPECT_EQ(0, gameOn) << "escape ends a paused bout";
    EXPECT_EQ(0, gameLoop);
}

TEST_F(Pause, LosingTheFocusPausesTheBoutAndItsReturnGoesOn)
{
    windowFocused = false;
    passAt(10);
    EXPECT_FALSE(fightersDrawn());
    EXPECT_TRUE(signShown());
    windowFocused = true;
    passAt(2000);
    EXPECT_TRUE(fightersDrawn());

    // Paused by hand, the focus coming back does not go on: only P does.
    press(KEY_P);
    passAt(2010);
    release(KEY_P);
    windowFocused = false;
    passAt(2020);
    windowFocused = true;
    passAt(2030);
    EXPECT_FALSE(fightersDrawn());
    press(KEY_P);
    passAt(2040);
    EXPECT_TRUE(fightersDrawn());
}

TEST(Speed, TheArrowsStepAlongTheSpeedsOnceAPressAndStopAtTheEnds)
{
    // clang-format off
    struct Case { int from, steps, to; };
    for (const Case c : {Case{100, -1, 90}, Case{50, -1, 50}, Case{50, +1, 60}, Case{100, +1, 100},
                         Case{70, -3, 50}, Case{70, +2, 90}, Case{80, 0, 80}})
        EXPECT_EQ(c.to, speedAfter(c.from, c.steps)) << c.from << " by " << c.steps;
    struct Arrow { int key, step; };
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    arrowSteps();
    for (const Arrow a : {Arrow{KEY_LEFT, -1}, Arrow{KEY_DOWN, -1}, Arrow{KEY_RIGHT, +1}, Arrow{KEY_UP, +1}}) {
        key[a.key] = 1;
        EXPECT_EQ(a.step, arrowSteps()) << a.key;
        EXPECT_EQ(0, arrowSteps()) << a.key << " held down, once";
        key[a.key] = 0;
    }
    // clang-format on
}

class Greeting : public Stage {
protected:
    // Composes a frame with the greeting a bout over with 5 the best before would get, and keeps
    // it to look at when RYKE_TEST_SHOTS names a folder.
    void composeGreeted(const char* name)
    {
        frameSign = greetingFor(100, 5);
        animate();
        frameSign = {};
        if (const char* dir = std::getenv("RYKE_TEST_SHOTS"))
            save_bitmap((std::string(dir) + "/" + name + ".bmp").c_str(), buffer, nullptr);
    }
};

TEST_F(Greeting, ABoutThatEndsAboveTheBestIsGreetedOnceItIsOver)
{
    killCount_L = 3;
    killCount_R = 4;
    EXPECT_EQ("", greetingFor(100, 2).large) << "not while the hero still fights";
    ryke.setAttackState(states::dead);
    EXPECT_EQ("New best!", greetingFor(100, 6).large);
    EXPECT_NE(std::string::npos, greetingFor(70, 6).small.find("7 kills at 70%"));
    EXPECT_EQ("", greetingFor(100, 7).large) << "equal is not better";
    ryke.returnNormal();
    enemiesLeft_L = enemiesLeft_R = 0;
    EXPECT_EQ("New best!", greetingFor(100, 0).large) << "both lines cleared";
    enemiesLeft_R = 1;
    EXPECT_EQ("", greetingFor(100, 0).large);
}

TEST_F(Greeting, TheSignShowsOverTheFrameAndLeavesTheHudAlone)
{
    ryke.setAttackState(states::dead);
    killCount_L = 12;
    setNow(100);
    composeGreeted("greeting");
    EXPECT_EQ(makecol(20, 8, 8), getpixel(buffer, 512, 130)) << "the plate under the HUD";
    EXPECT_EQ(makecol(0, 0, 0), getpixel(buffer, 75, 15)) << "the life bar's frame";
    animate();
    EXPECT_NE(makecol(20, 8, 8), getpixel(buffer, 512, 130)) << "gone once unset";

    enemiesLeft_L = enemiesLeft_R = 0;
    composeGreeted("greeting-victory");
    EXPECT_NE(makecol(20, 8, 8), getpixel(buffer, 512, 130)) << "the victory picture is not hidden";
    EXPECT_EQ(makecol(20, 8, 8), getpixel(buffer, 512, 280)) << "the plate under the victory picture";
}

} // namespace
