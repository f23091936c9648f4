// The spine: title screen, the frame loop and the end of a bout.

#include <allegro.h>

#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/game.h"
#include "shell/assets.h"
#include "shell/quit.h"
#include "shell/timer.h"
#include "support/headless.h"

namespace {

using Bout = Stage;

TEST_F(Bout, EscOnTheTitleEndsTheProgramWithoutABout)
{
    press(KEY_ESC);
    runGame();
    EXPECT_EQ(0, gameLoop);
    ASSERT_EQ(1u, cues.size()) << "only the beat; no prepare-to-die";
    EXPECT_EQ(bg_beat, cues[0].sample);
    EXPECT_TRUE(cues[0].loop);
    EXPECT_EQ(255, cues[0].volume);
    EXPECT_EQ(127, cues[0].pan);
    // The title was copied to the screen (its logo, which no panel covers).
    EXPECT_EQ(getpixel(enterScreen, 512, 100), getpixel(screen, 512, 100));
}

TEST_F(Bout, TheCloseButtonEndsTheProgramLikeEsc)
{
    closeRequested = true;
    titleScreen();
    EXPECT_EQ(0, gameLoop);
    gameOn = gameLoop = 1;
    g_counter = 1;
    framePass();
    EXPECT_EQ(0, gameOn);
    EXPECT_EQ(0, gameLoop);
}

TEST_F(Bout, EscInABoutFinishesTheCatchUpDrawsOneFrameAndShutsDown)
{
    press(KEY_ENTER);
    press(KEY_ESC);
    g_counter = 5;
    runGame(); // ENTER starts a bout at once; its first catch-up sees ESC
    EXPECT_EQ(0, gameLoop);
    EXPECT_EQ(0, g_counter.load()) << "every pending tick was consumed";
    ASSERT_EQ(2u, cues.size());
    EXPECT_EQ(prepareToDie, cues[1].sample);
}

TEST_F(Bout, ABoutEndsOnlyOnceThePlayerHasBeenDeadForMoreThanThreeSeconds)
{
    setNow(500);
    ryke.kill();
    for (int t : {500, 700, 800}) {
        setNow(t);
        framePass();
        EXPECT_EQ(1, gameOn) << t;
    }
    setNow(801);
    framePass();
    EXPECT_EQ(0, gameOn);
}

// When the victory shows, and where, is pinned by the replays (victory.bout ends with it).
TEST_F(Bout, AFrameShowsBothLinesKillCount)
{
    killCount_R = 3;
    killCount_L = 4;
    framePass();
    // The sum of both lines' kills, in white on black, starting at (120, 40).
    BITMAP* expected = create_bitmap(13 * 8, 8);
    textprintf_ex(expected, font, 0, 0, makecol(255, 255, 255), 0, "Kill Count: 7");
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 13 * 8; ++x)
            ASSERT_EQ(getpixel(expected, x, y), getpixel(screen, 120 + x, 40 + y)) << x << "," << y;
    destroy_bitmap(expected);
}

} // namespace
