// The bot's results pin how hard the game is: a change to the rules that makes it much easier
// or much harder moves them out of these bands, which are wide enough for the dice.
#include <gtest/gtest.h>

#include "bot/curve.h"
#include "replay/runner.h"

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

TEST_F(Difficulty, AQuickPlayerClearsBothLines)
{
    const CurvePoint quick = play(120, 5);
    EXPECT_GE(quick.wins, 4);
}

} // namespace
