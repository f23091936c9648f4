// The hero's parries, the blows he takes and his death, the carnage cap, and an enemy's stun and
// death, with the numbers written out by hand.

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
};

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

} // namespace
