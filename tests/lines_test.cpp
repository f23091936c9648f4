// The two enemy lines through a whole bout, and the set-up that fills them.

#include <string>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/game.h"
#include "shell/assets.h"
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
    const char* rightKinds[] = {"standard_gun", "standard_sword", "standard_gun", "standard_sword"};
    const char* leftKinds[] = {"standard_sword", "standard_gun", "standard_sword", "standard_gun"};
    const int delays[] = {150, 140, 130, 120};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rightKinds[i], enemies_R[i].enemyType) << i;
        EXPECT_EQ(leftKinds[i], enemies_L[i].enemyType) << i;
        EXPECT_EQ(delays[i], enemies_R[i].attackDelay);
        EXPECT_EQ(delays[i], enemies_L[i].attackDelay);
    }
    EXPECT_EQ(30, enemies_R[12].attackDelay);
    for (int i = 13; i < 100; ++i) {
        EXPECT_EQ(20, enemies_R[i].attackDelay) << i;
        EXPECT_EQ(20, enemies_L[i].attackDelay) << i;
    }
    EXPECT_EQ("standard_sword", enemies_R[99].enemyType);
    EXPECT_EQ("standard_gun", enemies_L[99].enemyType);
    EXPECT_EQ(std::vector<std::string>{}, lineInvariants()) << "set-up";
    for (const Side& s : sides) {
        EXPECT_EQ("normal", (*s.current)->attackState);
        EXPECT_EQ("waiting", (*s.onDeck)->attackState);
        EXPECT_EQ("normal", s.line[2].attackState);
    }
    EXPECT_EQ("left", ryke.facing);
    EXPECT_EQ(currentEnemyLeft, currentEnemy);
}

TEST_F(Lines, EveryAdvanceOfBothLinesKeepsTheInvariants)
{
    for (const Side& s : sides) {
        enemy* engaged = currentEnemy;
        for (int n = 1; n <= 100; ++n) {
            setNow(1000 + n);
            (*s.current)->setAttackState("gone");
            s.advance();
            const std::string when = "advance " + std::to_string(n);
            EXPECT_EQ(std::vector<std::string>{}, lineInvariants()) << when;
            EXPECT_EQ(engaged, currentEnemy) << "the advance leaves the engaged enemy alone";
            if (n == 1) {
                EXPECT_EQ("moving", s.line[1].attackState);
                EXPECT_EQ(1001, s.line[1].stateTime);
                EXPECT_EQ("gone", s.line[2].attackState);
            }
            if (n <= 98) {
                EXPECT_EQ("moving", (*s.current)->attackState) << when;
                EXPECT_EQ("gone", (*s.onDeck)->attackState) << when;
            }
        }
        EXPECT_EQ(100, *s.killCount);
        EXPECT_EQ(0, *s.enemiesLeft);
        EXPECT_EQ("gone", s.line[99].attackState);
    }
}

TEST_F(Lines, TheLastEnemyIsItsOwnOnDeckAndIsNotHidden)
{
    const Side& s = sides[0];
    for (int n = 1; n <= 98; ++n)
        s.advance();
    s.line[99].setAttackState("waiting");
    s.advance(); // the 99th
    EXPECT_EQ(99, killCount_R);
    EXPECT_EQ(1, enemiesLeft_R);
    EXPECT_EQ(&enemies_R[99], currentEnemyRight);
    EXPECT_EQ(&enemies_R[99], enemyOnDeck_R);
    EXPECT_EQ("moving", enemies_R[99].attackState) << "nothing is set to gone";
    s.advance(); // the 100th
    EXPECT_EQ(100, killCount_R);
    EXPECT_EQ(0, enemiesLeft_R);
    EXPECT_EQ(&enemies_R[99], currentEnemyRight);
    EXPECT_EQ("moving", enemies_R[99].attackState) << "an exhausted line's advance touches nobody";
}

TEST_F(Lines, ABoutAfterAFinishedBoutStartsAfresh)
{
    for (int n = 0; n < 30; ++n) {
        nextEnemyOnRight();
        nextEnemyOnLeft();
    }
    enemies_R[31].slowDown("high");
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
    clearLogs();
    startBout();
    {
        EnemyPools pools;
        fillLines(pools);
    }
    ASSERT_FALSE(cues.empty());
    EXPECT_EQ(prepareToDie, cues[0].sample);
    EXPECT_EQ(255, cues[0].volume);
    EXPECT_FALSE(cues[0].loop);
    EXPECT_EQ(1, gameOn);
    EXPECT_EQ(100, ryke.life);
    EXPECT_DOUBLE_EQ(0.0, ryke.carnage);
    EXPECT_DOUBLE_EQ(0.0, ryke.shots);
    EXPECT_DOUBLE_EQ(12.0, ryke.carnageMax) << "the cap keeps its value";
    EXPECT_EQ(0, ryke.attackCount);
    EXPECT_EQ("normal", ryke.attackState);
    EXPECT_EQ(0, ryke.attackPhase);
    EXPECT_EQ(9000, ryke.stateTime);
    EXPECT_EQ("left", ryke.facing);
    EXPECT_EQ(&enemies_L[0], currentEnemy);
    EXPECT_TRUE(holding) << "the key latch outlives bouts";
    EXPECT_EQ(0, killCount_R + killCount_L);
    EXPECT_EQ(100, enemiesLeft_R);
    EXPECT_EQ(100, enemiesLeft_L);
    EXPECT_EQ(100, enemyNumRight);
    EXPECT_EQ(1, enemies_R[31].evadeLowOdds) << "every fighter is fresh";
    EXPECT_EQ("normal", enemies_R[5].attackState);
    EXPECT_EQ(9000, enemies_R[5].stateTime) << "stamped when its pool fighter was built";
    EXPECT_EQ("standard_gun", enemies_R[0].enemyType);
    EXPECT_EQ("standard_sword", enemies_L[0].enemyType);
    EXPECT_EQ(std::vector<std::string>{}, lineInvariants()) << "second bout";
}

} // namespace
