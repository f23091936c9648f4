// The two enemy lines through a whole bout, and the set-up that fills them.

#include <string>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/game.h"
#include "shell/quit.h"
#include "support/headless.h"

namespace {

using Lines = Stage;

struct Side {
    enemy* line;
    int* killCount;
    int* enemiesLeft;
    enemy** current;
    enemy** onDeck;
    void (*advance)();
};

const Side sides[] = {
    {enemies_R, &killCount_R, &enemiesLeft_R, &currentEnemyRight, &enemyOnDeck_R, nextEnemyOnRight},
    {enemies_L, &killCount_L, &enemiesLeft_L, &currentEnemyLeft, &enemyOnDeck_L, nextEnemyOnLeft},
};

TEST_F(Lines, ABoutStartsWithAlternatingKindsAndShrinkingDelays)
{
    // Where the delay starts, its first step, the last enemy above the floor, the floor, the end.
    struct Case {
        int index;
        const char* right;
        const char* left;
        int delay;
    };
    const Case cases[] = {{0, kinds::gun, kinds::sword, 150},  {1, kinds::sword, kinds::gun, 140},
                          {2, kinds::gun, kinds::sword, 130},  {12, kinds::gun, kinds::sword, 30},
                          {13, kinds::sword, kinds::gun, 20},  {14, kinds::gun, kinds::sword, 20},
                          {99, kinds::sword, kinds::gun, 20}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.right, enemies_R[c.index].enemyType) << c.index;
        EXPECT_EQ(c.left, enemies_L[c.index].enemyType) << c.index;
        EXPECT_EQ(c.delay, enemies_R[c.index].attackDelay) << c.index;
        EXPECT_EQ(c.delay, enemies_L[c.index].attackDelay) << c.index;
    }
    EXPECT_EQ(std::vector<std::string>{}, lineInvariants()) << "set-up";
    for (const Side& s : sides) {
        EXPECT_EQ(states::normal, (*s.current)->attackState);
        EXPECT_EQ(states::waiting, (*s.onDeck)->attackState);
        EXPECT_EQ(states::normal, s.line[2].attackState);
    }
    EXPECT_EQ(facings::left, ryke.facing);
    EXPECT_EQ(currentEnemyLeft, currentEnemy);
    // The delay is what the engaged first enemy waits: it attacks at 151, not at 150.
    setNow(150);
    currentEnemyLeft->attackBehavior();
    EXPECT_EQ(states::normal, currentEnemyLeft->attackState);
    setNow(151);
    currentEnemyLeft->attackBehavior();
    EXPECT_NE(states::normal, currentEnemyLeft->attackState);
}

TEST_F(Lines, EveryAdvanceOfBothLinesKeepsTheInvariants)
{
    for (const Side& s : sides) {
        enemy* engaged = currentEnemy;
        for (int n = 1; n <= 100; ++n) {
            setNow(1000 + n);
            (*s.current)->setAttackState(states::gone);
            s.advance();
            const std::string when = "advance " + std::to_string(n);
            EXPECT_EQ(std::vector<std::string>{}, lineInvariants()) << when;
            EXPECT_EQ(engaged, currentEnemy) << "the advance leaves the engaged enemy alone";
            if (n <= 98) {
                EXPECT_EQ(states::moving, (*s.current)->attackState) << when;
                EXPECT_EQ(1000 + n, (*s.current)->stateTime) << when;
                EXPECT_EQ(states::gone, (*s.onDeck)->attackState) << when;
            }
        }
        EXPECT_EQ(100, *s.killCount);
        EXPECT_EQ(0, *s.enemiesLeft);
        EXPECT_EQ(states::gone, s.line[99].attackState);
    }
}

TEST_F(Lines, ABoutAfterAFinishedBoutStartsAfresh)
{
    for (int n = 0; n < 30; ++n) {
        nextEnemyOnRight();
        nextEnemyOnLeft();
    }
    enemies_R[31].slowDown(states::high);
    ryke.faceRight();
    ryke.life = -5;
    ryke.carnage = 7.0;
    ryke.shots = 3.0;
    ryke.attackCount = 12;
    ryke.carnageMax = 12.0;
    ryke.attackPhase = 2;
    ryke.kill();
    holding = true;

    setNow(9000);
    startBout();
    {
        EnemyPools pools;
        fillLines(pools);
    }
    EXPECT_EQ(1, gameOn);
    EXPECT_EQ(100, ryke.life);
    EXPECT_DOUBLE_EQ(0.0, ryke.carnage);
    EXPECT_DOUBLE_EQ(0.0, ryke.shots);
    EXPECT_DOUBLE_EQ(12.0, ryke.carnageMax) << "the cap keeps its value";
    EXPECT_EQ(0, ryke.attackCount);
    EXPECT_EQ(states::normal, ryke.attackState);
    EXPECT_EQ(0, ryke.attackPhase);
    EXPECT_EQ(9000, ryke.stateTime);
    EXPECT_EQ(facings::left, ryke.facing);
    EXPECT_EQ(&enemies_L[0], currentEnemy);
    EXPECT_TRUE(holding) << "the key latch outlives bouts";
    EXPECT_EQ(0, killCount_R + killCount_L);
    EXPECT_EQ(100, enemiesLeft_R);
    EXPECT_EQ(100, enemiesLeft_L);
    EXPECT_EQ(1, enemies_R[31].evadeLowOdds) << "every fighter is fresh";
    EXPECT_EQ(states::normal, enemies_R[5].attackState);
    EXPECT_EQ(9000, enemies_R[5].stateTime) << "stamped when its pool fighter was built";
    EXPECT_EQ(std::vector<std::string>{}, lineInvariants()) << "second bout";
}

} // namespace
