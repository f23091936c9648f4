// The hero's parries, the blows he takes and his death, the carnage cap, and an enemy's stun and
// death, with the numbers written out by hand.

#include <allegro.h>

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
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

// Kicking never protects him; evading, shooting and being dead always do. Attacking at the
// engaged enemy's height he is hurt while winding up, and the blows cancel with his blade out; a
// blow at the other height always lands. A parry against an enemy not attacking at the blow's
// height is no guard, and no target.
TEST_F(Fighters, BlowsOnThePlayerFollowTheHitRule)
{
    enemy& foe = engageRight<standardSword>();
    struct Case {
        const char* state;
        int phase;
        const char* foeState;
        const char* blow;
        int amount, life;
        const char *after, *foeAfter;
    };
    // clang-format off
    const Case cases[] = {
        // state                phase foe             blow          amount life after               foe after
        {states::normal,        0,    states::normal, states::high, 15,    85,  states::damaged,    states::normal},
        {states::damaged,       0,    states::normal, states::high, 15,    100, states::damaged,    states::normal},
        {states::highKick,      0,    states::normal, states::low,  20,    80,  states::damaged,    states::normal},
        {states::lowKick,       0,    states::normal, states::low,  20,    80,  states::damaged,    states::normal},
        {states::evade,         0,    states::low,    states::low,  20,    100, states::evade,      states::low},
        {states::carnageShot,   0,    states::low,    states::low,  20,    100, states::carnageShot, states::low},
        {states::dead,          0,    states::low,    states::low,  20,    100, states::dead,       states::low},
        {states::high,          1,    states::high,   states::high, 15,    85,  states::damaged,    states::high},
        {states::high,          2,    states::high,   states::high, 15,    100, states::normal,     states::normal},
        {states::high,          3,    states::high,   states::high, 15,    100, states::normal,     states::normal},
        {states::high,          0,    states::high,   states::high, 15,    100, states::high,       states::high},
        {states::high,          1,    states::high,   states::low,  20,    80,  states::damaged,    states::high},
        {states::high,          2,    states::high,   states::low,  20,    80,  states::damaged,    states::high},
        {states::high,          3,    states::high,   states::low,  20,    80,  states::damaged,    states::high},
        {states::highParry,     2,    states::normal, states::high, 15,    100, states::highParry,  states::normal},
    };
    // clang-format on
    for (const Case& c : cases) {
        ryke.life = 100;
        ryke.attackState = c.state;
        ryke.attackPhase = c.phase;
        foe.attackState = c.foeState;
        ryke.hit(c.blow, c.amount);
        const std::string what = std::string(c.state) + " in phase " + std::to_string(c.phase) + ", " + c.blow;
        EXPECT_EQ(c.life, ryke.life) << what;
        EXPECT_EQ(c.after, ryke.attackState) << what;
        EXPECT_EQ(c.foeAfter, foe.attackState) << what;
    }
    ASSERT_EQ(7u, cues.size()) << "a grunt for each blow that lands";
    EXPECT_EQ(gruntFX, cues[0].sample);
    EXPECT_EQ(150, cues[0].volume);
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
