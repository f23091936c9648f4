// The keyboard: which key does what in each facing, one action per press, and ESC.

#include <allegro.h>

#include <string>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/names.h"
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

TEST_F(Keys, TheAttackKeysAreOnTheSideHeLooksTowardsAndTheKicksBehindHim)
{
    // The home row as it lies under the hands, and where each move's key sits on it: on the
    // side the player looks towards or behind him, counted from that side's outer end.
    const std::string row = "DFGHJK";
    const int letters[] = {KEY_D, KEY_F, KEY_G, KEY_H, KEY_J, KEY_K};
    struct Place {
        Move move;
        bool inFront;
        int fromOuterEnd;
    };
    const Place places[] = {{Move::highAttack, true, 0}, {Move::lowAttack, true, 1}, {Move::carnageShot, true, 2},
                            {Move::turn, false, 2},      {Move::highKick, false, 0}, {Move::lowKick, false, 1}};
    for (const char* facing : {facings::right, facings::left})
        for (const Place& p : places) {
            const bool rightHalf = p.inFront == (facing == std::string(facings::right));
            const char letter = row[rightHalf ? row.size() - 1 - p.fromOuterEnd : p.fromOuterEnd];
            EXPECT_EQ(letters[row.find(letter)], keyFor(p.move, facing))
                << "facing " << facing << ", move " << static_cast<int>(p.move) << " belongs on " << letter;
        }
    EXPECT_EQ(KEY_SPACE, keyFor(Move::evade, facings::right));
    EXPECT_EQ(KEY_SPACE, keyFor(Move::evade, facings::left));
    EXPECT_EQ(-1, keyFor(Move::highAttack, "up"));
}

TEST_F(Keys, EachMovesKeyStartsThatMoveInBothFacings)
{
    // The map the bot and the soak press keys by is the one the game reads.
    struct Outcome {
        Move move;
        const char* state;
    };
    const Outcome outcomes[] = {{Move::highAttack, states::high},     {Move::lowAttack, states::low},
                                {Move::evade, states::evade},         {Move::carnageShot, states::carnageShot},
                                {Move::highKick, states::highKick},   {Move::lowKick, states::lowKick}};
    for (const char* facing : {facings::right, facings::left})
        for (const Outcome& o : outcomes) {
            SetUp();
            facing == std::string(facings::right) ? ryke.faceRight() : ryke.faceLeft();
            ryke.shots = 2.0;
            tickWith({keyFor(o.move, facing)});
            EXPECT_EQ(o.state, ryke.attackState) << "facing " << facing;
            EXPECT_EQ(facing, ryke.facing);
        }
    ryke.faceRight();
    backToNormal();
    tickWith({});
    tickWith({keyFor(Move::turn, facings::right)});
    EXPECT_EQ(facings::left, ryke.facing);
    EXPECT_EQ(states::normal, ryke.attackState);
    tickWith({});
    tickWith({keyFor(Move::turn, facings::left)});
    EXPECT_EQ(facings::right, ryke.facing);
    // The keys by name, as the player learns them.
    backToNormal();
    tickWith({});
    tickWith({KEY_K});
    EXPECT_EQ(states::high, ryke.attackState) << "K, facing right";
    ryke.faceLeft();
    backToNormal();
    tickWith({});
    tickWith({KEY_K});
    EXPECT_EQ(states::highKick, ryke.attackState) << "K, facing left";
}

TEST_F(Keys, AHeldKeyActsOnceUntilReleasedInATickWhereThePlayerMayAct)
{
    ryke.faceRight();
    tickWith({KEY_K});
    ASSERT_EQ(states::high, ryke.attackState);
    EXPECT_EQ(1, ryke.attackCount);
    backToNormal();
    tickWith({KEY_K});
    EXPECT_EQ(states::normal, ryke.attackState) << "still the same press";
    ryke.attackState = states::high;
    tickWith({}); // released while busy: the latch does not notice
    backToNormal();
    tickWith({KEY_K});
    EXPECT_EQ(states::normal, ryke.attackState);
    tickWith({});
    tickWith({KEY_K});
    EXPECT_EQ(states::high, ryke.attackState);
    EXPECT_EQ(2, ryke.attackCount);
}

TEST_F(Keys, APressWhileBusyIsLost)
{
    ryke.faceRight();
    ryke.attackState = states::evade;
    tickWith({KEY_J});
    tickWith({});
    backToNormal();
    tickWith({});
    EXPECT_EQ(states::normal, ryke.attackState);
    EXPECT_FALSE(holding);
}

TEST_F(Keys, TheCarnageKeyWithoutAShotCountsAsNotPressed)
{
    ryke.faceRight();
    holding = true;
    tickWith({KEY_H});
    EXPECT_FALSE(holding) << "no row taken: the latch clears";
    EXPECT_EQ(states::normal, ryke.attackState);
    tickWith({KEY_H, KEY_G});
    EXPECT_EQ(facings::left, ryke.facing) << "the scan goes on to the turn";

    tickWith({});
    ryke.shots = 1.0;
    tickWith({KEY_G, KEY_H}); // facing left, G is the carnage shot
    EXPECT_EQ(states::carnageShot, ryke.attackState);
    EXPECT_DOUBLE_EQ(0.0, ryke.shots);
    EXPECT_EQ(facings::left, ryke.facing);
}

TEST_F(Keys, TheFirstRowWins)
{
    ryke.faceRight();
    tickWith({KEY_J, KEY_K, KEY_D});
    EXPECT_EQ(states::high, ryke.attackState);
}

TEST_F(Keys, NoActionWhileThePlayerOrHisEnemyIsDeadButEscAlwaysQuits)
{
    currentEnemy->attackState = states::dead;
    tickWith({KEY_D});
    EXPECT_EQ(states::normal, ryke.attackState);
    EXPECT_EQ(1, gameLoop);
    tickWith({KEY_D, KEY_ESC});
    EXPECT_EQ(0, gameOn);
    EXPECT_EQ(0, gameLoop);

    gameOn = gameLoop = 1;
    currentEnemy->attackState = states::normal;
    ryke.kill();
    tickWith({KEY_D});
    EXPECT_EQ(states::dead, ryke.attackState);
    ryke.attackState = states::high;
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
        if (ryke.attackState != states::normal)
            ryke.returnNormal(); // as if the move ended between ticks
    }
    EXPECT_EQ(1, ryke.attackCount);
    EXPECT_TRUE(holding);
}

} // namespace
