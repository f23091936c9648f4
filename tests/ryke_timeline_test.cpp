// The hero's timeline: which picture each frame shows, where, and what each window delivers.

#include "choreography/choreography.h"
#include "choreography/timeline.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "support/headless.h"

namespace {

class HeroTimeline : public Stage {
protected:
    void SetUp() override
    {
        Stage::SetUp();
        ASSERT_EQ(200, rykeStand->w) << "the places below assume the 200-wide stand picture";
        sx = standX();
        sy = standY();
    }
    // Composes the hero alone at hundredth t and returns what was drawn.
    PaintRecord frameAt(int t)
    {
        setNow(t);
        paints.clear();
        animate_ryke();
        EXPECT_EQ(1u, paints.size()) << "at " << t;
        return paints.empty() ? PaintRecord{} : paints.back();
    }
    void startMove(void (player::*move)(), int at = 1000)
    {
        setNow(at);
        (ryke.*move)();
    }
    int sx = 0, sy = 0;
};

TEST_F(HeroTimeline, TheStandOriginComesFromTheStandPicturesWidth)
{
    EXPECT_EQ(412, sx);
    EXPECT_EQ(284, sy);
    ryke.faceRight();
    startMove(&player::highKick);
    EXPECT_EQ(184, frameAt(1025).x) << "130 x 1.75 pixels behind him, truncated";
    startMove(&player::lowKick);
    EXPECT_EQ(191, frameAt(1025).x) << "130 x 1.7 pixels behind him, truncated";
}

TEST_F(HeroTimeline, AHighAttackChangesWindowExactlyAtEachBound)
{
    ryke.faceRight();
    currentEnemyRight->attackState = "evade"; // out of reach, so the strike changes nothing
    startMove(&player::highAttack);
    struct Expect {
        int e;
        BITMAP* sprite;
        int x;
        int phase;
    };
    const Expect frames[] = {{0, rykeHi_1, sx, 1},       {29, rykeHi_1, sx, 1},      {30, rykeHi_2, sx + 50, 2},
                             {39, rykeHi_2, sx + 50, 2}, {40, rykeHi_3, sx + 50, 3}, {44, rykeHi_3, sx + 50, 3}};
    for (const Expect& f : frames) {
        const PaintRecord p = frameAt(1000 + f.e);
        EXPECT_EQ(f.sprite, p.sprite) << "e = " << f.e;
        EXPECT_EQ(f.x, p.x) << "e = " << f.e;
        EXPECT_EQ(sy, p.y);
        EXPECT_FALSE(p.mirrored);
        EXPECT_EQ(f.phase, ryke.attackPhase) << "e = " << f.e;
    }
    const PaintRecord last = frameAt(1045);
    EXPECT_EQ(rykeHi_3, last.sprite) << "the last frame still shows the move";
    EXPECT_EQ("normal", ryke.attackState);
    EXPECT_EQ(0, ryke.attackPhase);
    EXPECT_EQ(rykeStand, frameAt(1046).sprite);
}

TEST_F(HeroTimeline, FacingLeftIsMoreThanAMirror)
{
    ASSERT_EQ("left", ryke.facing);
    currentEnemyLeft->attackState = "evade";
    startMove(&player::lowAttack);
    PaintRecord p = frameAt(1010);
    EXPECT_EQ(rykeLo_1, p.sprite);
    EXPECT_EQ(sx - 10, p.x);
    EXPECT_TRUE(p.mirrored);
    EXPECT_EQ(sx - 220, frameAt(1042).x);
    p = frameAt(1050);
    EXPECT_EQ(rykeLo_2, p.sprite);
    EXPECT_EQ(sx - 120, p.x) << "the low attack ends at sx - 120 facing left";

    currentEnemyLeft->attackState = "low";
    startMove(&player::lowAttack);
    ASSERT_EQ("lowParry", ryke.attackState);
    currentEnemyLeft->attackState = "evade";
    p = frameAt(1040);
    EXPECT_EQ(rykeLo_1, p.sprite) << "the low parry ends on its first picture facing left";
    EXPECT_EQ(sx - 10, p.x);

    setNow(2000);
    ryke.kill();
    p = frameAt(2001);
    EXPECT_EQ(rykeDeath, p.sprite);
    EXPECT_FALSE(p.mirrored) << "the death picture is never mirrored";
    EXPECT_EQ(sx + 30, p.x);
    EXPECT_EQ(sy + 50, p.y);
    ryke.faceRight();
    p = frameAt(2002);
    EXPECT_EQ(sx, p.x);
    EXPECT_EQ(sy + 50, p.y);
}

TEST_F(HeroTimeline, AParryChecksFromAQuarterOfTheWindUpUntilItsBladeIsIn)
{
    ryke.faceRight();
    enemy& foe = *currentEnemyRight;
    foe.attackState = "high";
    startMove(&player::highAttack);
    ASSERT_EQ("highParry", ryke.attackState);
    foe.attackPhase = 1;
    EXPECT_EQ(rykeHi_1, frameAt(1006).sprite);
    EXPECT_EQ(1, ryke.attackPhase);
    EXPECT_EQ(rykeHi_2, frameAt(1007).sprite) << "30 / 4 = 7";
    EXPECT_EQ(2, ryke.attackPhase);
    foe.attackPhase = 2;
    frameAt(1020);
    EXPECT_EQ("normal", ryke.attackState) << "blades met";
    ASSERT_FALSE(cues.empty());
    EXPECT_EQ(swordClashFX, cues.front().sample);
}

TEST_F(HeroTimeline, AStrikeLandsOnlyInFramesInsideItsWindow)
{
    ryke.faceRight();
    enemy& foe = *currentEnemyRight;
    foe.attackState = "low"; // attacking at the other height: any strike kills
    startMove(&player::highAttack);
    frameAt(1039);
    frameAt(1045); // the 40-45 window had no frame
    EXPECT_EQ("low", foe.attackState);
    EXPECT_EQ("normal", ryke.attackState);

    startMove(&player::highAttack, 2000);
    frameAt(2042);
    EXPECT_EQ("dead", foe.attackState);
    EXPECT_EQ("right", ryke.facing);
    frameAt(2045);
    EXPECT_EQ("left", ryke.facing) << "his enemy is dead and the left line has enemies";
    EXPECT_EQ(currentEnemyLeft, currentEnemy);
}

TEST_F(HeroTimeline, WithTheOtherLineExhaustedHeEngagesTheNextEnemyInFront)
{
    ryke.faceRight();
    enemiesLeft_L = 0;
    currentEnemyRight->attackState = "evade";
    startMove(&player::lowAttack);
    frameAt(1046);
    EXPECT_EQ("right", ryke.facing);
    EXPECT_EQ(enemyOnDeck_R, currentEnemy) << "even when nobody was killed";
}

TEST_F(HeroTimeline, ACarnageShotKillsInEveryFrameButBlastsOnceAndHeals)
{
    ryke.faceRight();
    ryke.life = 90;
    startMove(&player::carnageShot);
    EXPECT_EQ(rykeCS_1, frameAt(1039).sprite);
    EXPECT_EQ(sx - 20, paints.back().x);
    int blasts = 0;
    for (int t : {1040, 1045, 1059}) {
        EXPECT_EQ(sx + 70, frameAt(t).x);
        EXPECT_EQ("dead", currentEnemyRight->attackState);
        currentEnemyRight->attackState = "normal"; // a new victim each frame
        currentEnemyRight->evadeHighOdds = currentEnemyRight->evadeLowOdds = 1000;
    }
    for (const CueRecord& c : cues)
        blasts += c.sample == carnageShotFX && c.volume == 200 && c.pan == 127;
    EXPECT_EQ(1, blasts);
    frameAt(1060);
    EXPECT_EQ(100, ryke.life);
    EXPECT_EQ("normal", ryke.attackState);

    ryke.life = 40;
    startMove(&player::carnageShot, 2000);
    frameAt(2061);
    EXPECT_EQ(55, ryke.life);
}

TEST_F(HeroTimeline, KicksStunTheEnemyBehindAndNeverTheOneInFront)
{
    ryke.faceRight();
    startMove(&player::highKick);
    frameAt(1019);
    EXPECT_EQ("normal", currentEnemyLeft->attackState);
    frameAt(1020);
    EXPECT_EQ("stunned", currentEnemyLeft->attackState);
    EXPECT_EQ("normal", currentEnemyRight->attackState);
    frameAt(1030);
    EXPECT_EQ("normal", ryke.attackState);

    currentEnemyLeft->returnNormal();
    ryke.faceLeft();
    startMove(&player::lowKick, 2000);
    const PaintRecord p = frameAt(2025);
    EXPECT_EQ(rykeLoKick_2, p.sprite);
    EXPECT_EQ(sx - 50, p.x);
    EXPECT_EQ("stunned", currentEnemyRight->attackState);
    EXPECT_EQ("normal", currentEnemyLeft->attackState);
}

} // namespace
