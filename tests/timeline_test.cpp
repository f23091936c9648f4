// What the hero's timeline delivers where the replays seldom go: each blow's height, and where
// he turns after a kill when one line is exhausted.

#include <allegro.h>

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "support/headless.h"

namespace {

using HeroTimeline = Stage;

TEST_F(HeroTimeline, EachBlowLandsAtItsOwnHeightOnTheLineInFront)
{
    struct Row {
        bool facingRight;
        const char* height;
    };
    for (const Row r : {Row{true, states::high}, Row{true, states::low}, Row{false, states::high}, Row{false, states::low}}) {
        SetUp();
        r.facingRight ? ryke.faceRight() : ryke.faceLeft();
        enemy* front = r.facingRight ? currentEnemyRight : currentEnemyLeft;
        enemy* behind = r.facingRight ? currentEnemyLeft : currentEnemyRight;
        // His strike meets the enemy's blade at the same height: the blows cancel, nobody dies.
        setNow(1000);
        ryke.setAttackState(r.height);
        front->setAttackState(r.height);
        front->attackPhase = 1;
        setNow(1035);
        animate_ryke(); // his blade is out while the enemy still winds up: no clash
        front->attackPhase = 2;
        setNow(1042);
        animate_ryke();
        EXPECT_EQ(states::normal, front->attackState) << r.facingRight << " " << r.height;
        EXPECT_EQ(states::normal, ryke.attackState) << r.facingRight << " " << r.height;
        EXPECT_EQ(states::normal, behind->attackState) << "the enemy behind is not touched";
    }
}

TEST_F(HeroTimeline, AfterAKillHeTurnsOnlyToALineThatStillHasEnemies)
{
    struct Row {
        bool facingRight;
        bool otherLineEmpty;
        const char* facingAfter;
    };
    for (const Row r : {Row{true, false, facings::left}, Row{true, true, facings::right}, Row{false, false, facings::right},
                        Row{false, true, facings::left}}) {
        SetUp();
        r.facingRight ? ryke.faceRight() : ryke.faceLeft();
        if (r.otherLineEmpty)
            (r.facingRight ? enemiesLeft_L : enemiesLeft_R) = 0;
        setNow(1000);
        ryke.setAttackState(states::high);
        currentEnemy->kill();
        setNow(1046);
        animate_ryke();
        EXPECT_EQ(r.facingAfter, ryke.facing) << r.facingRight << " " << r.otherLineEmpty;
        if (r.otherLineEmpty) {
            EXPECT_EQ(r.facingRight ? enemyOnDeck_R : enemyOnDeck_L, currentEnemy)
                << "he engages the next enemy of the line he faces";
        }
    }
}

} // namespace
