// The keyboard: which key does what in each facing, one action per press, and ESC.

#include <allegro.h>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/quit.h"
#include "shell/timer.h"
#include "support/headless.h"

namespace {

class Keys : public Stage {
protected:
    // One logic tick with exactly these keys down.
    void tickWith(std::initializer_list<int> keys)
    {
        releaseAll();
        for (int k : keys)
            press(k);
        input();
    }
    void backToNormal() { ryke.returnNormal(); }
};

TEST_F(Keys, EachFacingMapsTheHomeRowToItsMoves)
{
    struct Row {
        const char* facing;
        int key;
        const char* state;
    };
    // clang-format off
    const Row rows[] = {
        {"right", KEY_K, "high"},     {"right", KEY_J, "low"},     {"right", KEY_SPACE, "evade"},
        {"right", KEY_D, "highKick"}, {"right", KEY_F, "lowKick"},
        {"left",  KEY_D, "high"},     {"left",  KEY_F, "low"},     {"left",  KEY_SPACE, "evade"},
        {"left",  KEY_K, "highKick"}, {"left",  KEY_J, "lowKick"},
    };
    // clang-format on
    for (const Row& r : rows) {
        if (r.facing == std::string("right"))
            ryke.faceRight();
        else
            ryke.faceLeft();
        backToNormal();
        tickWith({});
        tickWith({r.key});
        EXPECT_EQ(r.state, ryke.attackState) << r.facing << " key " << r.key;
    }
    ryke.faceRight();
    backToNormal();
    tickWith({});
    tickWith({KEY_G});
    EXPECT_EQ("left", ryke.facing);
    EXPECT_EQ("normal", ryke.attackState);
    tickWith({});
    tickWith({KEY_H});
    EXPECT_EQ("right", ryke.facing);
}

TEST_F(Keys, AHeldKeyActsOnceUntilReleasedInATickWhereThePlayerMayAct)
{
    ryke.faceRight();
    tickWith({KEY_K});
    ASSERT_EQ("high", ryke.attackState);
    EXPECT_EQ(1, ryke.attackCount);
    backToNormal();
    tickWith({KEY_K});
    EXPECT_EQ("normal", ryke.attackState) << "still the same press";
    ryke.attackState = "high";
    tickWith({}); // released while busy: the latch does not notice
    backToNormal();
    tickWith({KEY_K});
    EXPECT_EQ("normal", ryke.attackState);
    tickWith({});
    tickWith({KEY_K});
    EXPECT_EQ("high", ryke.attackState);
    EXPECT_EQ(2, ryke.attackCount);
}

TEST_F(Keys, APressWhileBusyIsLost)
{
    ryke.faceRight();
    ryke.attackState = "evade";
    tickWith({KEY_J});
    tickWith({});
    backToNormal();
    tickWith({});
    EXPECT_EQ("normal", ryke.attackState);
    EXPECT_FALSE(holding);
}

TEST_F(Keys, TheCarnageKeyWithoutAShotCountsAsNotPressed)
{
    ryke.faceRight();
    holding = true;
    tickWith({KEY_H});
    EXPECT_FALSE(holding) << "no row taken: the latch clears";
    EXPECT_EQ("normal", ryke.attackState);
    tickWith({KEY_H, KEY_G});
    EXPECT_EQ("left", ryke.facing) << "the scan goes on to the turn";

    tickWith({});
    ryke.shots = 1.0;
    tickWith({KEY_G, KEY_H}); // facing left, G is the carnage shot
    EXPECT_EQ("carnageShot", ryke.attackState);
    EXPECT_DOUBLE_EQ(0.0, ryke.shots);
    EXPECT_EQ("left", ryke.facing);
}

TEST_F(Keys, TheFirstRowWins)
{
    ryke.faceRight();
    tickWith({KEY_J, KEY_K, KEY_D});
    EXPECT_EQ("high", ryke.attackState);
}

TEST_F(Keys, NoActionWhileThePlayerOrHisEnemyIsDeadButEscAlwaysQuits)
{
    currentEnemy->attackState = "dead";
    tickWith({KEY_D});
    EXPECT_EQ("normal", ryke.attackState);
    EXPECT_EQ(1, gameLoop);
    tickWith({KEY_D, KEY_ESC});
    EXPECT_EQ(0, gameOn);
    EXPECT_EQ(0, gameLoop);

    gameOn = gameLoop = 1;
    currentEnemy->attackState = "normal";
    ryke.kill();
    tickWith({KEY_D});
    EXPECT_EQ("dead", ryke.attackState);
    ryke.attackState = "high";
    tickWith({KEY_ESC});
    EXPECT_EQ(0, gameLoop) << "ESC whatever the player is doing";
}

TEST_F(Keys, AHeldKeyActsOnceAcrossABurstOfCatchUpTicks)
{
    press(KEY_D);
    g_counter = 40; // a long stay on the title screen
    while (timer.NotRenderingNow()) {
        input();
        timer.NoteFrameTime();
        if (ryke.attackState != "normal")
            ryke.returnNormal(); // as if the move ended between ticks
    }
    EXPECT_EQ(1, ryke.attackCount);
    EXPECT_TRUE(holding);
}

} // namespace
