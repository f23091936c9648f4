// The sword and gun fighters' timelines, the dispatch that runs them, and the on-deck display.

#include "choreography/choreography.h"
#include "choreography/timeline.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "support/headless.h"

namespace {

class EnemyTimeline : public Stage {
protected:
    void SetUp() override
    {
        Stage::SetUp();
        sx = standX();
        sy = standY();
        rx = static_cast<int>(badGuy->w * 2.25);
    }
    // Puts a fresh fighter of a kind current on a line, in a state stamped at 1000.
    template <class Kind>
    enemy& current(enemy* line, const char* state)
    {
        setNow(1000);
        line[0] = Kind();
        line[0].setAttackState(state);
        return line[0];
    }
    // Composes one line's timelines at hundredth t; returns the sprites they drew.
    std::vector<PaintRecord> frameAt(int t, void (*sword)(), void (*gun)())
    {
        setNow(t);
        paints.clear();
        sword();
        gun();
        return paints;
    }
    int countCues(SAMPLE* sample, int volume, int pan) const
    {
        int n = 0;
        for (const CueRecord& c : cues)
            n += c.sample == sample && c.volume == volume && c.pan == pan && !c.looped;
        return n;
    }
    int sx = 0, sy = 0, rx = 0;
};

TEST_F(EnemyTimeline, ASwordAttackRunsItsWindowsAndRepeatsItsEffects)
{
    enemy& foe = current<standardSword>(enemies_R, "high");
    ryke.faceRight();
    ryke.attackState = "evade"; // untouchable: the blows change nothing but are still dealt

    auto p = frameAt(1010, animate_sword_R, animate_gun_R);
    ASSERT_EQ(1u, p.size());
    EXPECT_EQ(badSwordHi_1, p[0].sprite);
    EXPECT_EQ(sx + 380, p[0].x);
    EXPECT_EQ(1, foe.attackPhase);
    p = frameAt(1040, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badSwordHi_2, p[0].sprite) << "at e = 40 the next window applies";
    EXPECT_EQ(sx + 50, p[0].x);
    EXPECT_EQ(2, foe.attackPhase);

    ryke.attackState = "normal";
    p = frameAt(1052, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badSwordHi_3, p[0].sprite);
    EXPECT_EQ(3, foe.attackPhase);
    EXPECT_EQ(85, ryke.life) << "a sword's high blow is worth 15";
    ryke.attackState = "normal";
    frameAt(1054, animate_sword_R, animate_gun_R);
    EXPECT_EQ(70, ryke.life) << "the blow is dealt on every frame of the strike";

    p = frameAt(1060, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badSwordHi_2, p[0].sprite);
    EXPECT_EQ("normal", foe.attackState);
    p = frameAt(1061, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badGuy, p[0].sprite);
    EXPECT_EQ(rx, p[0].x);
    EXPECT_EQ((768 - badGuy->w) / 2, p[0].y);

    // A low blow of a sword is worth 20; its last frame steps back to sx + 100.
    current<standardSword>(enemies_R, "low");
    ryke.returnNormal();
    ryke.life = 100;
    frameAt(1050, animate_sword_R, animate_gun_R);
    EXPECT_EQ(80, ryke.life);
    EXPECT_EQ(sx + 100, frameAt(1055, animate_sword_R, animate_gun_R)[0].x);
}

TEST_F(EnemyTimeline, AnAnswerStartedFortyHundredthsAgoOpensWithItsBladeOut)
{
    enemy& foe = current<standardSword>(enemies_L, "high");
    foe.stateTime = 960;
    const auto p = frameAt(1000, animate_sword_L, animate_gun_L);
    EXPECT_EQ(badSwordHi_2, p[0].sprite);
    EXPECT_TRUE(p[0].mirrored);
    EXPECT_EQ(sx - 250, p[0].x);
    EXPECT_EQ(2, foe.attackPhase);

    foe.stateTime = 1100; // stamped in the future: still the first window
    EXPECT_EQ(badSwordHi_1, frameAt(1000, animate_sword_L, animate_gun_L)[0].sprite);
}

TEST_F(EnemyTimeline, EachTimelineActsOnlyOnItsOwnKind)
{
    current<standardGun>(enemies_R, "high");
    setNow(1010);
    paints.clear();
    animate_sword_R();
    EXPECT_TRUE(paints.empty());
    EXPECT_EQ(0, enemies_R[0].attackPhase);
    current<standardSword>(enemies_L, "high");
    animate_gun_L();
    EXPECT_TRUE(paints.empty());
    EXPECT_EQ(0, enemies_L[0].attackPhase);
}

TEST_F(EnemyTimeline, TheWalkInGrowsReleasesTheNextOnDeckAndOpensTheAttack)
{
    setNow(1000);
    currentEnemyRight->setAttackState("gone");
    nextEnemyOnRight(); // a sword fighter steps up; a gun fighter goes on deck, hidden
    ASSERT_EQ("standard_sword", currentEnemyRight->enemyType);
    ASSERT_EQ("gone", enemyOnDeck_R->attackState);

    auto p = frameAt(1005, animate_sword_R, animate_gun_R);
    EXPECT_EQ(sx + 420, p[0].x);
    EXPECT_EQ(static_cast<int>(badSwordLo_1->w * 0.8), p[0].w);
    EXPECT_EQ("gone", enemyOnDeck_R->attackState);
    p = frameAt(1022, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badSwordLo_1, p[0].sprite);
    EXPECT_EQ(sx + 320, p[0].x);
    EXPECT_EQ(sy, p[0].y);
    EXPECT_EQ(static_cast<int>(badSwordLo_1->w * 0.95), p[0].w);
    EXPECT_EQ(static_cast<int>(badSwordLo_1->h * 0.95), p[0].h);
    EXPECT_EQ("waiting", enemyOnDeck_R->attackState);
    p = frameAt(1025, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badGuy, p[0].sprite);
    EXPECT_EQ(sx + 300, p[0].x);
    EXPECT_EQ("high", currentEnemyRight->attackState);
    EXPECT_EQ(1015, currentEnemyRight->stateTime);

    // On the left a gun fighter walks in from a fixed column and opens low, 20 hundredths late.
    setNow(2000);
    currentEnemyLeft->setAttackState("gone");
    nextEnemyOnLeft();
    ASSERT_EQ("standard_gun", currentEnemyLeft->enemyType);
    p = frameAt(2000, animate_sword_L, animate_gun_L);
    EXPECT_EQ(gunMove_L, p[0].sprite);
    EXPECT_EQ(-140, p[0].x);
    EXPECT_FALSE(p[0].mirrored);
    EXPECT_EQ(static_cast<int>(gunMove_L->w * 0.8), p[0].w);
    p = frameAt(2030, animate_sword_L, animate_gun_L);
    EXPECT_EQ(gunStand_flip, p[0].sprite);
    EXPECT_EQ(62, p[0].x);
    EXPECT_EQ("low", currentEnemyLeft->attackState);
    EXPECT_EQ(2050, currentEnemyLeft->stateTime);
    EXPECT_EQ("gone", enemyOnDeck_L->attackState) << "no frame fell in the fourth step";
}

TEST_F(EnemyTimeline, TheLastEnemyOfALineReleasesNobody)
{
    for (int n = 0; n < 98; ++n)
        nextEnemyOnRight();
    enemies_R[99].setAttackState("waiting");
    nextEnemyOnRight();
    ASSERT_EQ(1, enemiesLeft_R);
    setNow(currentEnemyRight->stateTime + 22);
    animate_sword_R();
    animate_gun_R();
    EXPECT_EQ("moving", enemies_R[99].attackState);
}

TEST_F(EnemyTimeline, ADeathFallsAwayThenTheLineAdvancesOnce)
{
    enemy& foe = current<standardSword>(enemies_R, "normal");
    enemies_R[1] = standardGun();
    enemies_R[1].setAttackState("waiting");
    foe.kill();
    auto p = frameAt(1012, animate_sword_R, animate_gun_R);
    EXPECT_EQ(badGuyDeath_1, p[0].sprite);
    EXPECT_EQ(sx + 380, p[0].x);
    EXPECT_EQ(sy + 10, p[0].y);
    EXPECT_EQ(0, killCount_R) << "not counted until it has disappeared";
    // The sword's removal frame draws nothing, and the gun timeline already walks its successor in.
    p = frameAt(1030, animate_sword_R, animate_gun_R);
    EXPECT_EQ("gone", foe.attackState);
    EXPECT_EQ(1, killCount_R);
    ASSERT_EQ(1u, p.size());
    EXPECT_EQ(gunMove_R, p[0].sprite);
    frameAt(1031, animate_sword_R, animate_gun_R);
    EXPECT_EQ(1, killCount_R);

    enemy& left = current<standardSword>(enemies_L, "normal");
    left.kill();
    p = frameAt(1012, animate_sword_L, animate_gun_L);
    EXPECT_TRUE(p[0].mirrored);
    EXPECT_EQ(sx - 380, p[0].x);
}

TEST_F(EnemyTimeline, AStunAlreadyOverEndsInTheFrameThatFindsIt)
{
    enemy& gun = current<standardGun>(enemies_R, "normal");
    setNow(1100);
    gun.stun("high");
    auto p = frameAt(1100, animate_sword_R, animate_gun_R);
    EXPECT_EQ(gunStand, p[0].sprite);
    EXPECT_EQ(rx, p[0].x);
    EXPECT_EQ(sy, p[0].y);
    EXPECT_EQ("normal", gun.attackState);

    enemy& sword = current<standardSword>(enemies_L, "normal");
    setNow(1010);
    sword.stun("low");
    p = frameAt(1020, animate_sword_L, animate_gun_L);
    EXPECT_EQ(badSwordStun_L, p[0].sprite);
    EXPECT_EQ(62, p[0].x);
    EXPECT_FALSE(p[0].mirrored);
}

TEST_F(EnemyTimeline, AGunCocksAndFiresOncePerAttackWithItsSidesCues)
{
    enemy& gun = current<standardGun>(enemies_R, "high");
    ryke.faceRight();
    ryke.attackState = "evade";
    struct Expect {
        int e;
        BITMAP* sprite;
    };
    for (const Expect& f : {Expect{0, gunHi_1}, Expect{30, gunHi_1}, Expect{60, gunHi_2}, Expect{67, gunHi_3},
                            Expect{71, gunHi_3}}) {
        const auto p = frameAt(1000 + f.e, animate_sword_R, animate_gun_R);
        EXPECT_EQ(f.sprite, p[0].sprite) << "e = " << f.e;
        EXPECT_EQ(rx, p[0].x);
    }
    EXPECT_EQ(1, countCues(gunCockFX, 150, 200));
    EXPECT_EQ(1, countCues(gunShot_2FX, 100, 200));
    EXPECT_EQ("normal", gun.attackState);

    ryke.returnNormal();
    ryke.life = 100;
    current<standardGun>(enemies_R, "high");
    frameAt(1067, animate_sword_R, animate_gun_R);
    EXPECT_EQ(82, ryke.life) << "a gun's high blow is worth 18";

    current<standardGun>(enemies_L, "low");
    ryke.returnNormal();
    ryke.life = 100;
    clearLogs();
    for (int t : {1000, 1010, 1056, 1060, 1066})
        frameAt(t, animate_sword_L, animate_gun_L);
    EXPECT_EQ(1, countCues(gunCockFX, 100, 50));
    EXPECT_EQ(1, countCues(gunShotFX, 100, 50));
    EXPECT_EQ(85, ryke.life) << "a gun's low blow is worth 15";
}

TEST_F(EnemyTimeline, AShotStillSoundsInTheFrameItsExchangeIsSettled)
{
    enemy& gun = current<standardGun>(enemies_R, "high");
    gun.counterHighOdds = 1000000; // no counter attack to confuse the count
    ryke.faceRight();
    setNow(1050);
    ryke.highAttack();
    ryke.attackState = "high";
    ryke.attackPhase = 2;
    frameAt(1056, animate_sword_R, animate_gun_R);
    EXPECT_EQ("normal", gun.attackState);
    EXPECT_EQ(1, countCues(gunShot_2FX, 100, 200));
    EXPECT_EQ(1, gun.secondSoundPlayed) << "the guard is raised after the clash cleared it";
}

TEST_F(EnemyTimeline, TheFacedEnemyDecidesAsTheEngagedOneTheOtherAsTheOneBehind)
{
    ryke.faceRight();
    currentEnemyRight->stateTime = currentEnemyLeft->stateTime = 0;
    setNow(currentEnemyRight->attackDelay + 1); // late enough for the engaged one only
    animate_enemy_R();
    animate_enemy_L();
    EXPECT_NE("normal", currentEnemyRight->attackState);
    EXPECT_EQ("normal", currentEnemyLeft->attackState);

    currentEnemyRight->returnNormal();
    currentEnemyRight->stateTime = 0;
    currentEnemy = enemyOnDeck_R; // neither current enemy is engaged
    animate_enemy_R();
    EXPECT_EQ("normal", currentEnemyRight->attackState);
}

TEST_F(EnemyTimeline, WaitingEnemiesShowSmallAtTheEdges)
{
    ASSERT_EQ("standard_gun", enemyOnDeck_L->enemyType);
    ASSERT_EQ("standard_sword", enemyOnDeck_R->enemyType);
    enemies_R[1] = standardGun();
    enemies_R[1].setAttackState("waiting");
    paints.clear();
    animate_enemyOnDeck_R();
    animate_enemyOnDeck_L();
    ASSERT_EQ(2u, paints.size());
    EXPECT_EQ(gunStand, paints[0].sprite);
    EXPECT_EQ(sx + 480, paints[0].x);
    EXPECT_EQ(sy, paints[0].y);
    EXPECT_EQ(static_cast<int>(badGuy->w * 0.75), paints[0].w) << "scaled to the sword picture";
    EXPECT_EQ(static_cast<int>(badGuy->h * 0.75), paints[0].h);
    EXPECT_EQ(gunStand_flip, paints[1].sprite);
    EXPECT_EQ(-50, paints[1].x);

    for (const char* state : {"gone", "moving", "normal"}) {
        enemyOnDeck_R->attackState = state;
        paints.clear();
        animate_enemyOnDeck_R();
        EXPECT_TRUE(paints.empty()) << state;
    }
    enemyOnDeck_R->attackState = "waiting";
    enemyOnDeck_R->enemyType = "standard_bow";
    paints.clear();
    animate_enemyOnDeck_R();
    EXPECT_TRUE(paints.empty());
}

} // namespace
