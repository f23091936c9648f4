// The bot's results pin how hard the game is: a change to the rules that makes it much easier
// or much harder moves them out of these bands, which are wide enough for the dice.
#include <gtest/gtest.h>

#include "bot/curve.h"
#include "bot/sight.h"
#include "fighters/player.h"
#include "replay/runner.h"
#include "screen/frame.h"

namespace {

class Difficulty : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        ASSERT_TRUE(startHeadless(error)) << error;
    }
    static CurvePoint play(int reactionMs, int bouts)
    {
        BotSettings settings;
        settings.reactionMs = reactionMs;
        return measure(settings, bouts);
    }
};

TEST_F(Difficulty, MedianKillsBeforeDeathAtAverageAndSlowReactions)
{
    // Twenty bouts' medians over other seeds ran 47 to 52 at 200 ms and 29 to 32 at 300 ms.
    const CurvePoint average = play(200, 20), slow = play(300, 20);
    EXPECT_GE(average.median, 40);
    EXPECT_LE(average.median, 60);
    EXPECT_EQ(average.wins, 0);
    EXPECT_GE(slow.median, 24);
    EXPECT_LE(slow.median, 38);
}

// The bot knows its life and its shots only from the HUD drawn: what the game holds after
// the frame was composed is not what the player saw.
TEST_F(Difficulty, TheBotReadsLifeAndShotsOffTheHudAsDrawn)
{
    struct Case {
        int life;
        double shots;
        int pips;
    };
    for (const Case c : {Case{37, 2.0, 2}, Case{100, 0.5, 0}, Case{1, 5.0, 3}, Case{0, 1.0, 1}, Case{-5, 3.0, 3}}) {
        freshBout();
        ryke.life = c.life;
        ryke.shots = c.shots;
        clearRecords();
        animate();
        ryke.life = 64;
        ryke.shots = 1.0;
        const View seen = look(0, View{});
        EXPECT_EQ(c.life > 0 ? c.life : 0, seen.life) << "life " << c.life;
        EXPECT_EQ(c.pips, seen.pips) << "shots " << c.shots;
    }
}

// At half speed the bot's reactions, being real time, are worth twice as many of the game's
// hundredths: a reaction too slow at full speed wins there.
TEST_F(Difficulty, AtHalfSpeedASlowerReactionStillWins)
{
    BotSettings settings;
    settings.reactionMs = 200;
    EXPECT_EQ(0, measure(settings, 3).wins);
    settings.speedPercent = 50;
    EXPECT_GE(measure(settings, 3).wins, 2);
}

TEST_F(Difficulty, AQuickPlayerClearsBothLines)
{
    const CurvePoint quick = play(120, 5);
    EXPECT_GE(quick.wins, 4);
}

} // namespace
