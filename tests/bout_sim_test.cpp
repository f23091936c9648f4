// Whole bouts without a window: the clock, the keys and the frames driven by a script.

#include <allegro.h>

#include <functional>
#include <string>

#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/game.h"
#include "shell/shell.h"
#include "support/headless.h"

namespace {

class WholeBout : public Stage {
protected:
    // Runs frames every 2 hundredths (logic ticks at 35 a second in between) until the bout
    // ends or `until` hundredths have passed; `keys` sets the keys before each frame.
    void play(int until, const std::function<void(int)>& keys)
    {
        int ticksGiven = 0;
        for (now = 0; now <= until && gameOn; now += 2) {
            setNow(now);
            const int ticksDue = now * 35 / 100;
            g_counter += ticksDue - ticksGiven;
            ticksGiven = ticksDue;
            keys(now);
            framePass();
            expectLineInvariants("at " + std::to_string(now));
            if (HasFailure())
                return;
        }
    }
    int now = 0;
};

TEST_F(WholeBout, AnIdlePlayerDiesAndTheBoutEndsThreeSecondsLater)
{
    play(10000, [](int) {});
    EXPECT_EQ(0, gameOn);
    EXPECT_EQ("dead", ryke.attackState);
    EXPECT_LT(ryke.life, 1);
    EXPECT_GT(now - 2, ryke.stateTime + 300) << "ended in the first frame past three seconds";
    EXPECT_LE(now - 2, ryke.stateTime + 302);
    EXPECT_EQ(1, gameLoop) << "back to the title, not out of the program";
    EXPECT_EQ(0, killCount_L + killCount_R);
}

// High on every other press, low on the others, with the attack keys of both facings held
// together: facing either way the attack row comes before the kick row.
void fightScript(int t)
{
    const bool down = t % 30 < 6;
    const bool high = (t / 30) % 2 == 0;
    for (int k : {KEY_D, KEY_K, KEY_F, KEY_J, KEY_G, KEY_H})
        key[k] = 0;
    if (down) {
        key[high ? KEY_D : KEY_F] = 1;
        key[high ? KEY_K : KEY_J] = 1;
    }
    // Spend carnage shots as they come; without one these keys would turn him about.
    if (t % 30 == 15 && ryke.shots > 0.0)
        key[KEY_G] = key[KEY_H] = 1;
}

TEST_F(WholeBout, AScriptedPlayerKillsBothKindsOnBothSides)
{
    play(6000, fightScript);
    EXPECT_GE(killCount_L, 2) << "a sword and a gun fighter on the left";
    EXPECT_GE(killCount_R, 2) << "a gun and a sword fighter on the right";
}

TEST_F(WholeBout, ExhaustingBothLinesShowsTheVictoryAndTheBoutGoesOn)
{
    // A merciless script: both current enemies die as soon as they are seen.
    int victoryFrames = 0;
    play(4000, [&](int) {
        for (enemy* e : {currentEnemyRight, currentEnemyLeft})
            e->kill();
        for (const PaintRecord& p : paints)
            victoryFrames += p.sprite == w00t;
        paints.clear();
    });
    EXPECT_EQ(1, gameOn) << "victory does not end the bout";
    EXPECT_EQ(100, killCount_R);
    EXPECT_EQ(100, killCount_L);
    EXPECT_DOUBLE_EQ(10.0, ryke.shots) << "two hundred kills buy twenty shots, but he holds ten at most";
    EXPECT_GT(victoryFrames, 100) << "shown on every frame once both lines are empty";
}

} // namespace
