// How fighters attack, take blows, are stunned, slowed and die.

#include <allegro.h>

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/names.h"
#include "fighters/player.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

class Fighters : public Stage {
protected:
    // A fresh fighter of a kind, engaged on the right line with the player facing it.
    template <class Kind>
    enemy& engageRight(int since = 1000)
    {
        setNow(since);
        enemies_R[0] = Kind();
        ryke.faceRight();
        clearLogs();
        return enemies_R[0];
    }
    // Draws until rand() % n == want would come next, so chance outcomes are chosen, not hoped for.
    static void arrangeDraw(int n, bool success)
    {
        for (unsigned seed = 1;; ++seed) {
            std::srand(seed);
            if ((std::rand() % n == 0) == success) {
                std::srand(seed);
                return;
            }
        }
    }
};

TEST_F(Fighters, StatesStampTimeAndOnlyReturnNormalClearsPhaseAndSounds)
{
    enemy e = standardSword();
    EXPECT_EQ(states::normal, e.getAttackState());
    EXPECT_EQ(0, e.attackCount);
    setNow(70);
    e.highAttack();
    setNow(75);
    e.highAttack();
    EXPECT_EQ(states::high, e.attackState);
    EXPECT_EQ(75, e.stateTime);
    EXPECT_EQ(2, e.attackCount);

    e.attackPhase = 2;
    e.firstSoundPlayed = e.secondSoundPlayed = 1;
    setNow(80);
    e.setAttackState(states::waiting);
    EXPECT_EQ(80, e.stateTime);
    EXPECT_EQ(2, e.attackPhase);
    EXPECT_EQ(1, e.firstSoundPlayed);

    e.setAttackState(states::dead);
    setNow(90);
    e.returnNormal();
    EXPECT_EQ(states::normal, e.attackState);
    EXPECT_EQ(90, e.stateTime);
    EXPECT_EQ(0, e.attackPhase);
    EXPECT_EQ(0, e.firstSoundPlayed);
    EXPECT_EQ(0, e.secondSoundPlayed);

    e.evade();
    e.evade();
    ASSERT_EQ(2u, cues.size()) << "the evade sound plays at every call";
    EXPECT_EQ(evadeFX, cues[1].sample);
    EXPECT_EQ(150, cues[1].volume);
    EXPECT_EQ(127, cues[1].pan);
    EXPECT_EQ(2, e.attackCount) << "evading is not an attack";
}

TEST_F(Fighters, AKindSurvivesTheCopyIntoALineWithItsConstructionStamp)
{
    setNow(333);
    standardGun gun;
    setNow(400);
    enemies_R[5] = gun;
    const enemy& copy = enemies_R[5];
    EXPECT_EQ(kinds::gun, copy.enemyType);
    EXPECT_EQ(states::low, copy.quickAttackHeight);
    EXPECT_EQ(333, copy.stateTime) << "its phase clock goes on where the original's stood";
}

TEST_F(Fighters, PlayerAttackTurnsIntoAParryOnlyAgainstTheSameHeight)
{
    enemy& foe = engageRight<standardSword>();
    for (const char* state : {states::low, states::normal, states::evade}) {
        foe.attackState = state;
        ryke.highAttack();
        EXPECT_EQ(states::high, ryke.attackState) << state;
    }
    foe.attackState = states::high;
    setNow(1015);
    ryke.highAttack();
    EXPECT_EQ(states::highParry, ryke.attackState);
    EXPECT_EQ(1015, ryke.stateTime);
    foe.attackState = states::low;
    ryke.lowAttack();
    EXPECT_EQ(states::lowParry, ryke.attackState);
    EXPECT_EQ(5, ryke.attackCount);
}

TEST_F(Fighters, BlowsOnThePlayerFollowTheHitRule)
{
    enemy& foe = engageRight<standardSword>();
    ryke.hit(states::high, 15);
    EXPECT_EQ(85, ryke.life);
    EXPECT_EQ(states::damaged, ryke.attackState);
    ASSERT_EQ(1u, cues.size());
    EXPECT_EQ(gruntFX, cues[0].sample);
    EXPECT_EQ(150, cues[0].volume);
    ryke.hit(states::high, 15);
    EXPECT_EQ(85, ryke.life) << "the rest of the same strike finds him reeling";

    // Kicking never protects him; evading, shooting and being dead always do.
    for (const char* state : {states::highKick, states::lowKick}) {
        ryke.life = 100;
        ryke.attackState = state;
        ryke.hit(states::low, 20);
        EXPECT_EQ(80, ryke.life) << state;
    }
    for (const char* state : {states::evade, states::carnageShot, states::dead}) {
        ryke.life = 100;
        ryke.attackState = state;
        ryke.hit(states::low, 20);
        EXPECT_EQ(100, ryke.life) << state;
        EXPECT_EQ(state, ryke.attackState);
    }

    // Attacking at the enemy's height: hurt while winding up, blows cancel with the blade out.
    foe.attackState = states::high;
    for (int phase : {1, 2, 3, 0}) {
        ryke.life = 100;
        ryke.attackState = states::high;
        ryke.attackPhase = phase;
        foe.attackState = states::high;
        ryke.hit(states::high, 15);
        if (phase == 1) {
            EXPECT_EQ(85, ryke.life);
        } else if (phase == 0) {
            EXPECT_EQ(100, ryke.life);
            EXPECT_EQ(states::high, ryke.attackState);
        } else {
            EXPECT_EQ(100, ryke.life) << phase;
            EXPECT_EQ(states::normal, ryke.attackState);
            EXPECT_EQ(states::normal, foe.attackState);
        }
    }
    // A blow at the other height always lands on an attacking player.
    for (int phase : {1, 2, 3}) {
        ryke.life = 100;
        ryke.attackState = states::high;
        ryke.attackPhase = phase;
        ryke.hit(states::low, 20);
        EXPECT_EQ(80, ryke.life) << phase;
    }
    // A parry whose engaged enemy is not attacking at the blow's height is no guard, and no target.
    ryke.life = 100;
    ryke.attackState = states::highParry;
    ryke.attackPhase = 2;
    foe.attackState = states::normal;
    ryke.hit(states::high, 15);
    EXPECT_EQ(100, ryke.life);
    EXPECT_EQ(states::highParry, ryke.attackState);
}

TEST_F(Fighters, ThePlayerDiesAtZeroLifeAndKeepsHisFirstDeathTime)
{
    engageRight<standardGun>();
    ryke.life = 16;
    ryke.hit(states::low, 15);
    EXPECT_EQ(states::damaged, ryke.attackState) << "one point of life left";
    ryke.attackState = states::normal;
    setNow(1200);
    ryke.hit(states::low, 1);
    EXPECT_EQ(0, ryke.life);
    EXPECT_EQ(states::dead, ryke.attackState);
    EXPECT_EQ(1200, ryke.stateTime);
    setNow(1300);
    ryke.kill();
    EXPECT_EQ(1200, ryke.stateTime);
}

TEST_F(Fighters, CarnageBuysShotsUpToTheCap)
{
    ryke.carnage = 9.0;
    ryke.raiseCarnage(2);
    EXPECT_DOUBLE_EQ(1.0, ryke.shots);
    EXPECT_DOUBLE_EQ(1.0, ryke.carnage);
    ryke.shots = 10.0;
    ryke.carnage = 9.0;
    ryke.raiseCarnage(2);
    EXPECT_DOUBLE_EQ(10.0, ryke.shots);
    EXPECT_DOUBLE_EQ(1.0, ryke.carnage);
    ryke.carnage = 0.0;
    ryke.shots = 0.0;
    for (int kill = 0; kill < 10; ++kill)
        ryke.raiseCarnage(1);
    EXPECT_DOUBLE_EQ(1.0, ryke.shots);
    EXPECT_DOUBLE_EQ(0.0, ryke.carnage);
}

TEST_F(Fighters, TurningEngagesTheOtherLine)
{
    ASSERT_EQ(facings::left, ryke.facing);
    ryke.changeDirection();
    EXPECT_EQ(facings::right, ryke.facing);
    EXPECT_EQ(currentEnemyRight, currentEnemy);
    ryke.changeDirection();
    EXPECT_EQ(facings::left, ryke.facing);
    EXPECT_EQ(currentEnemyLeft, currentEnemy);
}

TEST_F(Fighters, AnIdleEnemyEvadesByItsOddsOrDies)
{
    enemy& sword = engageRight<standardSword>();
    for (int i = 0; i < 20; ++i) {
        sword.attackState = states::normal;
        sword.hit(states::low);
        EXPECT_EQ(states::evade, sword.attackState) << "a fresh sword fighter always evades low";
    }
    arrangeDraw(2, false);
    sword.attackState = states::normal;
    sword.hit(states::high);
    EXPECT_EQ(states::dead, sword.attackState);
    EXPECT_DOUBLE_EQ(1.0, ryke.carnage);
    ASSERT_FALSE(cues.empty());
    EXPECT_EQ(enemyDeathFX, cues.back().sample);
    EXPECT_EQ(100, cues.back().volume);

    enemy& gun = engageRight<standardGun>();
    gun.hit(states::high);
    EXPECT_EQ(states::evade, gun.attackState) << "a fresh gun fighter always evades high";
    arrangeDraw(2, true);
    gun.attackState = states::normal;
    gun.hit(states::low);
    EXPECT_EQ(states::evade, gun.attackState);
    arrangeDraw(2, false);
    gun.attackState = states::normal;
    gun.hit(states::low);
    EXPECT_EQ(states::dead, gun.attackState);
}

TEST_F(Fighters, BlowsOnAnEnemyFollowItsHitRule)
{
    enemy& foe = engageRight<standardSword>();
    // Attacking at the other height, stunned: any strike kills.
    for (const char* state : {states::low, states::stunned}) {
        foe.attackState = state;
        ryke.attackState = states::high;
        foe.hit(states::high);
        EXPECT_EQ(states::dead, foe.attackState) << state;
    }
    // Evading, walking in, waiting, gone: unharmed.
    for (const char* state : {states::evade, states::moving, states::waiting, states::gone}) {
        foe.attackState = state;
        foe.hit(states::high);
        EXPECT_EQ(state, foe.attackState);
    }
    // Same height as the player: dies winding up, cancels and is slowed with its blade out.
    foe.attackState = states::high;
    foe.attackPhase = 1;
    ryke.attackState = states::high;
    foe.hit(states::high);
    EXPECT_EQ(states::dead, foe.attackState);

    enemy& rival = engageRight<standardSword>();
    ryke.carnage = 0.0;
    for (int phase : {2, 3}) {
        rival.attackState = states::high;
        rival.attackPhase = phase;
        ryke.attackState = states::high;
        rival.hit(states::high);
        EXPECT_EQ(states::normal, rival.attackState);
        EXPECT_EQ(states::normal, ryke.attackState);
    }
    EXPECT_EQ(3, rival.evadeLowOdds) << "slowed once per cancelled exchange";
    EXPECT_EQ(4, rival.parryLowOdds);
    EXPECT_EQ(2, rival.evadeHighOdds) << "only the other height suffers";
    EXPECT_DOUBLE_EQ(4.0, ryke.carnage);
    rival.attackState = states::high;
    rival.attackPhase = 0;
    ryke.attackState = states::high;
    rival.hit(states::high);
    EXPECT_EQ(states::high, rival.attackState) << "no phase, no effect";
}

TEST_F(Fighters, KillingTheDeadOrGoneChangesNothing)
{
    enemy& foe = engageRight<standardSword>();
    foe.kill();
    const int deathTime = foe.stateTime;
    setNow(1500);
    foe.kill();
    foe.attackState = states::gone;
    foe.kill();
    EXPECT_EQ(deathTime, foe.stateTime);
    EXPECT_DOUBLE_EQ(1.0, ryke.carnage);
    EXPECT_EQ(1u, cues.size());
}

TEST_F(Fighters, SlowingRaisesTheOtherHeightsOddsAndAlwaysPaysCarnage)
{
    enemy& foe = engageRight<standardSword>();
    foe.slowDown(states::high);
    EXPECT_EQ(2, foe.evadeLowOdds);
    EXPECT_EQ(3, foe.parryLowOdds);
    foe.slowDown(states::low);
    EXPECT_EQ(3, foe.evadeHighOdds);
    EXPECT_EQ(2, foe.parryHighOdds);
    foe.slowDown("sideways");
    EXPECT_DOUBLE_EQ(6.0, ryke.carnage);
    // Slowed at low, a sword fighter now dies to a low blow half the time.
    arrangeDraw(2, false);
    foe.hit(states::low);
    EXPECT_EQ(states::dead, foe.attackState);
}

TEST_F(Fighters, StunsRunFromThePreviousChangeOfState)
{
    enemy& sword = engageRight<standardSword>(1000);
    setNow(1020);
    sword.stun(states::high);
    EXPECT_EQ(states::stunned, sword.attackState);
    EXPECT_EQ(1000, sword.stateTime) << "a stun is not stamped";
    EXPECT_EQ(40, sword.stunDuration);

    setNow(1000);
    sword.highAttack();
    setNow(1020);
    sword.stun(states::high);
    EXPECT_EQ(160, sword.stunDuration) << "kicked at the height it attacks at: four times as long";
    setNow(1025);
    sword.lowAttack();
    sword.stun(states::high);
    EXPECT_EQ(40, sword.stunDuration);

    enemy& gun = engageRight<standardGun>(1000);
    setNow(1100);
    gun.stun(states::low);
    EXPECT_EQ(80, gun.stunDuration);
    EXPECT_EQ(1000, gun.stateTime);
    animate_gun_R();
    EXPECT_EQ(states::normal, gun.attackState) << "this stun was over before it began";

    for (const char* state : {states::stunned, states::evade, states::moving, states::dead}) {
        gun.attackState = state;
        gun.stunDuration = 7;
        gun.stun(states::high);
        EXPECT_EQ(state, gun.attackState);
        EXPECT_EQ(7, gun.stunDuration);
    }
}

TEST_F(Fighters, TheEngagedEnemyAttacksAfterItsDelayAndTheOneBehindAfterThreeTimesIt)
{
    enemy& foe = engageRight<standardSword>(1000);
    foe.attackDelay = 150;
    setNow(1150);
    foe.attackBehavior();
    EXPECT_EQ(states::normal, foe.attackState);
    setNow(1151);
    foe.attackBehavior();
    EXPECT_TRUE(foe.attackState == states::high || foe.attackState == states::low);
    EXPECT_EQ(1151, foe.stateTime);

    enemy& behind = engageRight<standardSword>(1000);
    behind.attackDelay = 150;
    setNow(1450);
    behind.altAttackBehavior();
    EXPECT_EQ(states::normal, behind.attackState);
    std::string heights;
    for (int round = 0; round < 4; ++round) {
        setNow(behind.stateTime + 451);
        behind.altAttackBehavior();
        heights += behind.attackState + " ";
        behind.returnNormal();
    }
    EXPECT_EQ("high low high low ", heights);
    behind.quickAttack();
    behind.returnNormal();
    setNow(behind.stateTime + 451);
    behind.altAttackBehavior();
    EXPECT_EQ(states::high, behind.attackState) << "the opening attack does not count";
}

TEST_F(Fighters, TheEngagedEnemyAnswersAnAttackInPhaseOneAndOnceMoreInPhaseTwo)
{
    enemy& gun = engageRight<standardGun>(1000);
    ryke.attackState = states::high;
    ryke.attackPhase = 1;
    arrangeDraw(2, false);
    gun.attackBehavior();
    EXPECT_EQ(states::normal, gun.attackState);
    EXPECT_EQ(1, gun.parryTries);
    gun.attackBehavior();
    EXPECT_EQ(1, gun.parryTries) << "one try per phase";

    ryke.attackPhase = 2;
    arrangeDraw(2, false);
    gun.attackBehavior();
    EXPECT_EQ(0, gun.parryTries) << "a failure with the blade out resets the tries for the next attack";
    EXPECT_EQ(states::normal, gun.attackState);

    ryke.attackState = states::low;
    ryke.attackPhase = 1;
    setNow(2000);
    gun.attackBehavior();
    EXPECT_EQ(states::low, gun.attackState) << "a fresh gun fighter always answers low";
    EXPECT_EQ(1980, gun.stateTime);
    EXPECT_EQ(0, gun.attackCount) << "an answer is not counted";

    // No unprovoked attack while the player attacks, however long it has waited.
    enemy& sword = engageRight<standardSword>(0);
    ryke.attackState = states::low;
    ryke.attackPhase = 3;
    setNow(5000);
    sword.attackBehavior();
    EXPECT_EQ(states::normal, sword.attackState);
}

TEST_F(Fighters, AParryAnswerWithThePlayersBladeOutStartsFortyHundredthsAdvanced)
{
    enemy& sword = engageRight<standardSword>(1000);
    ryke.attackState = states::high;
    ryke.attackPhase = 2;
    sword.parryTries = 1;
    setNow(1300);
    sword.attackBehavior();
    EXPECT_EQ(states::high, sword.attackState);
    EXPECT_EQ(1260, sword.stateTime);
    EXPECT_EQ(0, sword.parryTries);
}

TEST_F(Fighters, TheOpeningAttackStartsShiftedByKind)
{
    enemy& sword = engageRight<standardSword>(1000);
    sword.enterCombat();
    EXPECT_EQ(states::moving, sword.attackState);
    setNow(1025);
    sword.quickAttack();
    EXPECT_EQ(states::high, sword.attackState);
    EXPECT_EQ(1015, sword.stateTime);
    EXPECT_EQ(0, sword.attackCount);
    enemy& gun = engageRight<standardGun>(1000);
    gun.quickAttack();
    EXPECT_EQ(states::low, gun.attackState);
    EXPECT_EQ(1020, gun.stateTime);
}

} // namespace
